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
/// Qt calls the handler on whichever thread logs, and may run threads of its own while it
/// starts, so the start and its held messages are reached only under this lock.
PlatformStart* current = nullptr;
std::mutex currentLock;

/// Whether Qt's messages say that it found its platform but could not connect to the
/// windowing system, rather than failing some other way.
bool ConnectionFailed(const std::vector<PlatformStart::Held>& held) {
  for (const auto& [type, category, message] : held) {
    if (category.startsWith(QLatin1String("qt.qpa.xcb")) &&
        message.contains(QLatin1String("could not connect to display"))) {
      return true;
    }
    if (category.startsWith(QLatin1String("qt.qpa.wayland")) ||
        message.contains(QLatin1String("wl_display"))) {
      return true;
    }
  }
  return false;
}

}  // namespace

void PlatformStart::Hold(QtMsgType type, const QMessageLogContext& context,
                         const QString& message) {
  const std::lock_guard lock(currentLock);
  if (current == nullptr) return;
  current->held_.push_back({type, QString::fromUtf8(context.category), message});
  if (type != QtFatalMsg) return;
  if (ConnectionFailed(current->held_)) {
    const std::string line =
        UnreachableDisplayLine(std::getenv("DISPLAY"), std::getenv("WAYLAND_DISPLAY"));
    std::fprintf(stderr, "%s\n", line.c_str());
  } else {
    for (const auto& [heldType, category, text] : current->held_) {
      const QByteArray shown =
          (category.isEmpty() ? text : category + QStringLiteral(": ") + text).toLocal8Bit();
      std::fprintf(stderr, "quistral: %s\n", shown.constData());
    }
  }
  std::_Exit(EXIT_FAILURE);
}

PlatformStart::PlatformStart() {
  const std::lock_guard lock(currentLock);
  current = this;
  previous_ = qInstallMessageHandler(&Hold);
}

PlatformStart::~PlatformStart() { Started(); }

void PlatformStart::Started() {
  std::vector<Held> held;
  {
    const std::lock_guard lock(currentLock);
    if (current != this) return;
    qInstallMessageHandler(previous_);
    current = nullptr;
    held.swap(held_);
  }
  for (const auto& [type, category, message] : held) {
    const QByteArray name = category.toUtf8();
    qt_message_output(type, QMessageLogContext(nullptr, 0, nullptr, name.constData()), message);
  }
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
