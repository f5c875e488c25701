#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <cstdlib>

#include "order/LocaleServices.h"
#include "window/ModalRunner.h"
#include "window/frmMail.h"

namespace {

/// Every benchmarked command is valid input; a message box would mean a broken benchmark.
class NoModals final : public window::ModalRunner {
 public:
  int Run(QDialog&) override { std::abort(); }
};

class Form {
 public:
  Form() : form_(modals_, [this]() -> const order::LocaleServices& { return locale_; }) {
    form_.show();
  }
  QAction& Entry(const char* name) { return *form_.findChild<QAction*>(name); }
  void Type(const char* field, const char* text) {
    form_.findChild<QLineEdit*>(field)->setText(QString::fromLatin1(text));
  }
  /// One menu command as the window runs it, with the events it causes processed.
  static void Choose(QAction& entry) {
    entry.trigger();
    QCoreApplication::processEvents();
  }

 private:
  NoModals modals_;
  const order::LocaleServices locale_{"en_US"};
  window::frmMail form_;
};

void BM_WindowNextItem(benchmark::State& state) {
  Form form;
  QAction& nextItem = form.Entry("mnuEditNext");
  QAction& nextOrder = form.Entry("mnuEditNextOrder");
  std::int64_t items = 0;
  for (auto _ : state) {
    // Typing the item is part of the measured step: the command clears it each time.
    form.Type("txtDescription", "Teapot");
    form.Type("txtQuantity", "3");
    form.Type("txtWeight", "2.25");
    form.Type("txtPrice", "4.5");
    Form::Choose(nextItem);
    if (++items % 1'000'000 == 0) Form::Choose(nextOrder);
  }
}
BENCHMARK(BM_WindowNextItem);

void BM_WindowSummary(benchmark::State& state) {
  Form form;
  form.Type("txtState", "ca");
  form.Type("txtQuantity", "3");
  form.Type("txtWeight", "2.25");
  form.Type("txtPrice", "4.5");
  Form::Choose(form.Entry("mnuEditNext"));
  QAction& summary = form.Entry("mnuFileSummary");
  for (auto _ : state) Form::Choose(summary);
}
BENCHMARK(BM_WindowSummary);

void BM_WindowNextOrder(benchmark::State& state) {
  Form form;
  QAction& nextOrder = form.Entry("mnuEditNextOrder");
  for (auto _ : state) Form::Choose(nextOrder);
}
BENCHMARK(BM_WindowNextOrder);

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
