#pragma once

#include <QFont>
#include <QtGlobal>

class QMenuBar;
class QWidget;

namespace window {

/// Creates every control of the form on `client`, sized for `dotsPerInch`, and every menu
/// on `menuBar`, each with its name as objectName. Sets the tab order and the caption
/// labels' buddies and accessible texts. The client area is fixed at its designed size.
void BuildForm(QWidget& client, QMenuBar& menuBar, qreal dotsPerInch);

/// The font the four summary figures start with.
QFont FigureFont();

}  // namespace window
