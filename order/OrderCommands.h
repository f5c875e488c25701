#pragma once

#include "order/OrderFormView.h"
#include "order/OrderLedger.h"

namespace order {

class LocaleServices;

/// Next Item: checks Quantity, Weight and Price in that order, showing the first one's
/// message and focusing it; otherwise adds the item, clears the four item fields and
/// focuses Description. Throws Overflow with the fields and totals as they were.
void mnuEditNext(OrderFormView& view, OrderLedger& ledger);
void mnuEditNext(OrderFormView& view, OrderLedger& ledger, const LocaleServices& locale);

/// Next Order: empties the ledger, the nine fields and the four figures; focuses Name.
void mnuEditNextOrder(OrderFormView& view, OrderLedger& ledger);

/// Summary: writes the four figures for the current totals and State, then focuses
/// Description. Throws Overflow before any figure is written.
void mnuFileSummary(OrderFormView& view, OrderLedger& ledger);
void mnuFileSummary(OrderFormView& view, OrderLedger& ledger, const LocaleServices& locale);

}  // namespace order
