#include <QLocale>
#include <QTranslator>

#include "app/DesktopSession.h"
#include "app/PlatformStart.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>

namespace app {
namespace {

TEST(AppStartTest, DesktopSessionIsFoundOrExplained) {
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

TEST(AppStartTest, QtDialogsFollowTheUsersLanguage) {
  for (const auto& [language, cancel] : {std::pair{"de_DE", "Abbrechen"}, {"fr_FR", "Annuler"}}) {
    QTranslator translator;
    ASSERT_TRUE(LoadQtTranslations(translator, QLocale(QString::fromLatin1(language))));
    EXPECT_EQ(translator.translate("QPlatformTheme", "Cancel").toStdString(), cancel);
  }
}

TEST(AppStartTest, AnUnreachableDisplayIsOneLineNamingBoth) {
  const std::string line = UnreachableDisplayLine(":7", nullptr);
  EXPECT_EQ(line.find('\n'), std::string::npos);
  EXPECT_NE(line.find("DISPLAY=:7"), std::string::npos);
  EXPECT_NE(line.find("WAYLAND_DISPLAY=unset"), std::string::npos);
}

}  // namespace
}  // namespace app
