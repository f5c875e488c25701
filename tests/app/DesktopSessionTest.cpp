#include "app/DesktopSession.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace app {
namespace {

TEST(DesktopSessionTest, IsFoundOrExplained) {
  struct Row {
    std::map<std::string, std::string> environment;
    bool missing;
  };
  for (const Row& row : {
           Row{{}, true},
           Row{{{"DISPLAY", ""}, {"WAYLAND_DISPLAY", ""}}, true},
           Row{{{"DISPLAY", ":0"}}, false},
           Row{{{"WAYLAND_DISPLAY", "wayland-0"}}, false},
           Row{{{"QT_QPA_PLATFORM", "offscreen"}}, false},
           Row{{{"QT_QPA_PLATFORM", "xcb"}}, true},
           Row{{{"QT_QPA_PLATFORM", "wayland"}}, true},
           Row{{{"QT_QPA_PLATFORM", ""}}, true},
       }) {
    const auto missing = MissingDesktopSession([&row](const char* name) -> const char* {
      const auto it = row.environment.find(name);
      return it == row.environment.end() ? nullptr : it->second.c_str();
    });
    ASSERT_EQ(missing.has_value(), row.missing);
    if (missing) {
      EXPECT_EQ(missing->find('\n'), std::string::npos);
      EXPECT_NE(missing->find("xvfb-run"), std::string::npos);
    }
  }
}

}  // namespace
}  // namespace app
