#include "app/PlatformStart.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <cstdio>
#include <cstdlib>

#include "app/DesktopSession.h"

namespace app {
namespace {

/// The start in progress; Qt's message handler is a plain function and can reach it only so.
PlatformStart* current = nullptr;

}  // namespace

void PlatformStart::Hold(QtMsgType type, const QMessageLogContext& /*context*/,
                         const QString& message) {
  if (type == QtFatalMsg) {
    const std::string line =
        UnreachableDisplayLine(std::getenv("DISPLAY"), std::getenv("WAYLAND_DISPLAY"));
    std::fprintf(stderr, "%s\n", line.c_str());
    std::_Exit(EXIT_FAILURE);
  }
  current->held_.emplace_back(type, message);
}

PlatformStart::PlatformStart() : previous_(qInstallMessageHandler(&Hold)) { current = this; }

PlatformStart::~PlatformStart() { Started(); }

void PlatformStart::Started() {
  if (current != this) return;
  qInstallMessageHandler(previous_);
  current = nullptr;
  for (const auto& [type, message] : held_) {
    qt_message_output(type, QMessageLogContext(), message);
  }
  held_.clear();
}

std::string UnreachableDisplayLine(const char* display, const char* waylandDisplay) {
  const auto shown = [](const char* value) {
    return value != nullptr && *value != '\0' ? std::string(value) : std::string("unset");
  };
  return "quistral: no windowing system could be reached (DISPLAY=" + shown(display) +
         ", WAYLAND_DISPLAY=" + shown(waylandDisplay) + "); " + std::string(kHeadlessAdvice);
}

bool LoadQtTranslations(QTranslator& translator, const QLocale& locale) {
  return translator.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

}  // namespace app
