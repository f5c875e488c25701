#pragma once

#include <cstddef>
#include <cstdlib>
#include <initializer_list>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace testing_support {

/// Sets (or, for nullptr, unsets) environment variables for one scope and puts back what the
/// caller had, so a test that reads the environment passes whatever the caller's is.
class ScopedEnvironment {
 public:
  ScopedEnvironment(std::initializer_list<std::pair<const char*, const char*>> values) {
    for (const auto& [name, value] : values) {
      const char* before = std::getenv(name);
      saved_.emplace_back(name, before ? std::optional<std::string>(before) : std::nullopt);
      Set(name, value);
    }
  }
  ~ScopedEnvironment() {
    // Last set, first put back, so a name given twice ends as the caller had it.
    for (std::size_t i = saved_.size(); i-- > 0;) {
      Set(saved_[i].first.c_str(), saved_[i].second ? saved_[i].second->c_str() : nullptr);
    }
  }
  ScopedEnvironment(const ScopedEnvironment&) = delete;
  ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

  /// The locale variables as a United States English user has them.
  static ScopedEnvironment UnitedStates() {
    return {{"LC_ALL", nullptr},
            {"LC_NUMERIC", nullptr},
            {"LC_MONETARY", nullptr},
            {"LC_CTYPE", nullptr},
            {"LANG", "en_US.UTF-8"}};
  }

 private:
  static void Set(const char* name, const char* value) {
    if (value != nullptr) {
      ::setenv(name, value, 1);
    } else {
      ::unsetenv(name);
    }
  }

  std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

}  // namespace testing_support
