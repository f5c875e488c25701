#pragma once

#include <memory>

#include "order/LocaleServices.h"
#include "window/ModalRunner.h"
#include "window/frmMail.h"

namespace window::testing {

/// An order form as the program starts it, shown and asked to take the keyboard, reading
/// and formatting numbers in `locale`. Wait for it to be active before typing.
inline std::unique_ptr<frmMail> NewForm(ModalRunner& modals, const order::LocaleServices& locale) {
  auto form = std::make_unique<frmMail>(
      modals, [&locale]() -> const order::LocaleServices& { return locale; });
  form->show();
  form->activateWindow();
  return form;
}

}  // namespace window::testing
