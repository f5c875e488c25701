#pragma once

#include <QString>
#include <QtGlobal>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

class QLocale;
class QTranslator;

namespace app {

/// Holds back Qt's messages while it connects to the windowing system. If none can be
/// reached (a DISPLAY nobody answers, a Wayland session without Qt's Wayland plugin), Qt
/// would abort with a core dump and advice to reinstall; the program says so in one line
/// and exits with status 1 instead; where Qt failed for another reason (a platform plugin
/// that does not exist, say), it prints Qt's own words, with their categories. Once Qt has
/// started, Started() passes the held messages on. One at a time: Qt takes a plain function
/// as its message handler.
class PlatformStart {
 public:
  PlatformStart();
  ~PlatformStart();
  PlatformStart(const PlatformStart&) = delete;
  PlatformStart& operator=(const PlatformStart&) = delete;

  void Started();

  /// One of Qt's messages, held back.
  struct Held {
    QtMsgType type;
    QString category;
    QString message;
  };

 private:
  static void Hold(QtMsgType type, const QMessageLogContext& context, const QString& message);

  QtMessageHandler previous_;
  std::vector<Held> held_;
};

/// The line the program ends with when no windowing system can be reached.
std::string UnreachableDisplayLine(const char* display, const char* waylandDisplay);

/// Loads Qt's own translations (its dialogs' buttons and titles) for `locale` into
/// `translator`; false where none are installed for that language.
bool LoadQtTranslations(QTranslator& translator, const QLocale& locale);

}  // namespace app
