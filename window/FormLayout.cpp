#include "window/FormLayout.h"

#include <array>
#include <cmath>

namespace window {
namespace {

using K = ControlKind;
constexpr Qt::Alignment kRight = Qt::AlignRight;
constexpr Qt::Alignment kLeft = Qt::AlignLeft;

// clang-format off
constexpr std::array<ControlRow, 29> kControls{{
  // kind         name              parent    caption                   left   top  width height tab alignment partner
  {K::GroupBox, "Frame3",         nullptr,  "Customer",               {204,   46, 5652, 1572}, 28, kLeft,  nullptr},
  {K::GroupBox, "Frame2",         nullptr,  "Item",                   {204, 1726, 5652, 1332}, 27, kLeft,  nullptr},
  {K::GroupBox, "Frame1",         nullptr,  "Summary",                {204, 3166, 5652, 2175}, 18, kLeft,  nullptr},

  {K::Caption,  "Label1",         "Frame3", "&Name:",                 {-120,  360,  975,  255},  0, kRight, "txtName"},
  {K::TextBox,  "txtName",        "Frame3", "",                       { 960,  360, 2892,  285},  1, kLeft,  nullptr},
  {K::Caption,  "C",              "Frame3", "S&treet:",               {-120,  720,  975,  255},  2, kRight, "txtStreet"},
  {K::TextBox,  "txtStreet",      "Frame3", "",                       { 960,  720, 2892,  255},  3, kLeft,  nullptr},
  {K::Caption,  "Label2",         "Frame3", "&City:",                 { 360, 1080,  495,  255},  4, kRight, "txtCity"},
  {K::TextBox,  "txtCity",        "Frame3", "",                       { 960, 1080, 2052,  270},  5, kLeft,  nullptr},
  {K::Caption,  "Label4",         "Frame3", "St&ate:",                {3000, 1080,  615,  495},  6, kRight, "txtState"},
  {K::TextBox,  "txtState",       "Frame3", "",                       {3720, 1080,  492,  255},  7, kLeft,  nullptr},
  {K::Caption,  "Label5",         "Frame3", "&Zip:",                  {4320, 1080,  492,  252},  8, kLeft,  "txtZip"},
  {K::TextBox,  "txtZip",         "Frame3", "",                       {4680, 1080,  852,  270},  9, kLeft,  nullptr},

  {K::Caption,  "Label6",         "Frame2", "&Description:",          {   0,  360, 1575,  375}, 10, kRight, "txtDescription"},
  {K::TextBox,  "txtDescription", "Frame2", "",                       {1680,  360, 2292,  255}, 11, kLeft,  nullptr},
  {K::Caption,  "Label7",         "Frame2", "&Quantity:",             { 600,  840,  975,  255}, 12, kRight, "txtQuantity"},
  {K::TextBox,  "txtQuantity",    "Frame2", "",                       {1680,  840,  372,  270}, 13, kLeft,  nullptr},
  {K::Caption,  "Label8",         "Frame2", "&Weight:",               {2160,  840,  735,  255}, 14, kRight, "txtWeight"},
  {K::TextBox,  "txtWeight",      "Frame2", "",                       {3000,  840,  492,  240}, 15, kLeft,  nullptr},
  {K::Caption,  "Label9",         "Frame2", "P&rice:",                {3600,  840,  615,  255}, 16, kRight, "txtPrice"},
  {K::TextBox,  "txtPrice",       "Frame2", "",                       {4440,  840,  972,  255}, 17, kLeft,  nullptr},

  {K::Caption,  "Label3",         "Frame1", "Dollar Amount Due:",     { 960,  240, 2295,  255}, 22, kRight, "lblAmountDue"},
  {K::Figure,   "lblAmountDue",   "Frame1", "",                       {3480,  240, 1335,  255}, 26, kRight, nullptr},
  {K::Caption,  "Label10",        "Frame1", "Sales Tax:",             {2040,  720, 1215,  255}, 21, kRight, "lblSalesTax"},
  {K::Figure,   "lblSalesTax",    "Frame1", "",                       {3480,  720, 1335,  255}, 25, kRight, nullptr},
  {K::Caption,  "Label11",        "Frame1", "Shipping and Handling:", { 840, 1200, 2415,  255}, 20, kRight, "lblShipping"},
  {K::Figure,   "lblShipping",    "Frame1", "",                       {3480, 1200, 1335,  255}, 24, kRight, nullptr},
  {K::Caption,  "Label12",        "Frame1", "Total Amount Due:",      {1320, 1680, 1935,  255}, 19, kRight, "lblFinalTotal"},
  {K::Figure,   "lblFinalTotal",  "Frame1", "",                       {3480, 1680, 1335,  255}, 23, kRight, nullptr},
}};

constexpr std::array<MenuRow, 12> kMenus{{
  {"mnuFile",          nullptr,   "&Flle"},
  {"mnuFilePrint",     "mnuFile", "&Print Form"},
  {"mnuFileSummary",   "mnuFile", "&Summary"},
  {"mnuFileExit",      "mnuFile", "E&xit"},
  {"mnuEdit",          nullptr,   "&Edit"},
  {"mnuEditNext",      "mnuEdit", "&Next Item"},
  {"mnuEditNextOrder", "mnuEdit", "Next &Order"},
  {"mnuSEP",           "mnuEdit", "-"},
  {"mnuEditFont",      "mnuEdit", "&Font"},
  {"mnuEditColor",     "mnuEdit", "Colo&r"},
  {"mnuHelp",          nullptr,   "&Help"},
  {"mnuHelpAbout",     "mnuHelp", "&About"},
}};
// clang-format on

int EdgeToPixels(int twips, qreal dotsPerInch) {
  return static_cast<int>(std::lround(twips * dotsPerInch / 1440.0));
}

}  // namespace

std::span<const ControlRow> FormControls() { return kControls; }

std::span<const MenuRow> FormMenus() { return kMenus; }

QRect TwipsToPixels(TwipsRect twips, qreal dotsPerInch) {
  const int left = EdgeToPixels(twips.left, dotsPerInch);
  const int top = EdgeToPixels(twips.top, dotsPerInch);
  const int right = EdgeToPixels(twips.left + twips.width, dotsPerInch);
  const int bottom = EdgeToPixels(twips.top + twips.height, dotsPerInch);
  return {QPoint(left, top), QSize(right - left, bottom - top)};
}

QString PlainCaption(const char* caption) {
  QString text = QString::fromUtf8(caption);
  text.remove(QLatin1Char('&'));
  if (text.endsWith(QLatin1Char(':'))) text.chop(1);
  return text;
}

}  // namespace window
