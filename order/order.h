#pragma once

// The whole public interface of the order library in one include.
#include "order/Currency.h"
#include "order/LocaleEnvironment.h"
#include "order/LocaleServices.h"
#include "order/NumericText.h"
#include "order/OrderCommands.h"
#include "order/OrderFormView.h"
#include "order/OrderLedger.h"
#include "order/Overflow.h"
