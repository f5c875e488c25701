#include "window/FormLayout.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <variant>

namespace window {
namespace {

using K = ControlKind;
using F = order::OrderField;
using S = order::SummaryLabel;
using G = Group;
using M = MenuCommand;
constexpr Qt::Alignment kRight = Qt::AlignRight;
constexpr Qt::Alignment kLeft = Qt::AlignLeft;

// clang-format off
constexpr std::array<ControlRow, 29> kControls{{
  // kind       id                name              group        caption                   left   top  width height tab alignment
  {K::GroupBox, G::Customer,      "Frame3",         {},          "Customer",               {204,   46, 5652, 1572}, 28, kLeft},
  {K::GroupBox, G::Item,          "Frame2",         {},          "Item",                   {204, 1726, 5652, 1332}, 27, kLeft},
  {K::GroupBox, G::Summary,       "Frame1",         {},          "Summary",                {204, 3166, 5652, 2175}, 18, kLeft},

  {K::Caption,  F::Name,          "Label1",         G::Customer, "&Name:",                 {-120,  360,  975,  255},  0, kRight},
  {K::TextBox,  F::Name,          "txtName",        G::Customer, "",                       { 960,  360, 2892,  285},  1, kLeft},
  {K::Caption,  F::Street,        "C",              G::Customer, "S&treet:",               {-120,  720,  975,  255},  2, kRight},
  {K::TextBox,  F::Street,        "txtStreet",      G::Customer, "",                       { 960,  720, 2892,  255},  3, kLeft},
  {K::Caption,  F::City,          "Label2",         G::Customer, "&City:",                 { 360, 1080,  495,  255},  4, kRight},
  {K::TextBox,  F::City,          "txtCity",        G::Customer, "",                       { 960, 1080, 2052,  270},  5, kLeft},
  {K::Caption,  F::State,         "Label4",         G::Customer, "St&ate:",                {3000, 1080,  615,  495},  6, kRight},
  {K::TextBox,  F::State,         "txtState",       G::Customer, "",                       {3720, 1080,  492,  255},  7, kLeft},
  {K::Caption,  F::Zip,           "Label5",         G::Customer, "&Zip:",                  {4320, 1080,  492,  252},  8, kLeft},
  {K::TextBox,  F::Zip,           "txtZip",         G::Customer, "",                       {4680, 1080,  852,  270},  9, kLeft},

  {K::Caption,  F::Description,   "Label6",         G::Item,     "&Description:",          {   0,  360, 1575,  375}, 10, kRight},
  {K::TextBox,  F::Description,   "txtDescription", G::Item,     "",                       {1680,  360, 2292,  255}, 11, kLeft},
  {K::Caption,  F::Quantity,      "Label7",         G::Item,     "&Quantity:",             { 600,  840,  975,  255}, 12, kRight},
  {K::TextBox,  F::Quantity,      "txtQuantity",    G::Item,     "",                       {1680,  840,  372,  270}, 13, kLeft},
  {K::Caption,  F::Weight,        "Label8",         G::Item,     "&Weight:",               {2160,  840,  735,  255}, 14, kRight},
  {K::TextBox,  F::Weight,        "txtWeight",      G::Item,     "",                       {3000,  840,  492,  240}, 15, kLeft},
  {K::Caption,  F::Price,         "Label9",         G::Item,     "P&rice:",                {3600,  840,  615,  255}, 16, kRight},
  {K::TextBox,  F::Price,         "txtPrice",       G::Item,     "",                       {4440,  840,  972,  255}, 17, kLeft},

  {K::Caption,  S::AmountDue,     "Label3",         G::Summary,  "Dollar Amount Due:",     { 960,  240, 2295,  255}, 22, kRight},
  {K::Figure,   S::AmountDue,     "lblAmountDue",   G::Summary,  "",                       {3480,  240, 1335,  255}, 26, kRight},
  {K::Caption,  S::SalesTax,      "Label10",        G::Summary,  "Sales Tax:",             {2040,  720, 1215,  255}, 21, kRight},
  {K::Figure,   S::SalesTax,      "lblSalesTax",    G::Summary,  "",                       {3480,  720, 1335,  255}, 25, kRight},
  {K::Caption,  S::Shipping,      "Label11",        G::Summary,  "Shipping and Handling:", { 840, 1200, 2415,  255}, 20, kRight},
  {K::Figure,   S::Shipping,      "lblShipping",    G::Summary,  "",                       {3480, 1200, 1335,  255}, 24, kRight},
  {K::Caption,  S::FinalTotal,    "Label12",        G::Summary,  "Total Amount Due:",      {1320, 1680, 1935,  255}, 19, kRight},
  {K::Figure,   S::FinalTotal,    "lblFinalTotal",  G::Summary,  "",                       {3480, 1680, 1335,  255}, 23, kRight},
}};

using R = MenuRowKind;
constexpr std::array<MenuRow, 12> kMenus{{
  {R::Menu,      "mnuFile",          "&Flle"},
  {R::Command,   "mnuFilePrint",     "&Print Form",  M::PrintForm},
  {R::Command,   "mnuFileSummary",   "&Summary",     M::Summary},
  {R::Command,   "mnuFileExit",      "E&xit",        M::Exit},
  {R::Menu,      "mnuEdit",          "&Edit"},
  {R::Command,   "mnuEditNext",      "&Next Item",   M::NextItem},
  {R::Command,   "mnuEditNextOrder", "Next &Order",  M::NextOrder},
  {R::Separator, "mnuSEP",           "-"},
  {R::Command,   "mnuEditFont",      "&Font",        M::Font},
  {R::Command,   "mnuEditColor",     "Colo&r",       M::Color},
  {R::Menu,      "mnuHelp",          "&Help"},
  {R::Command,   "mnuHelpAbout",     "&About",       M::About},
}};
// clang-format on

/// What the builder relies on: each row's kind is its identity's (a group box is a Group, a
/// text box an OrderField, a figure a SummaryLabel, a caption either); group boxes come
/// first; every field and figure is there once, with one caption.
consteval bool TableIsWellFormed() {
  std::array<int, order::kOrderFields.size()> textBoxes{};
  std::array<int, order::kOrderFields.size()> fieldCaptions{};
  std::array<int, order::kSummaryLabels.size()> figures{};
  std::array<int, order::kSummaryLabels.size()> figureCaptions{};
  bool pastGroups = false;
  for (const ControlRow& row : kControls) {
    if (std::holds_alternative<Group>(row.id)) {
      if (row.kind != K::GroupBox || row.group || pastGroups) return false;
      continue;
    }
    pastGroups = true;
    if (!row.group) return false;
    if (const F* field = std::get_if<F>(&row.id)) {
      auto& count = row.kind == K::TextBox ? textBoxes : fieldCaptions;
      if (row.kind != K::TextBox && row.kind != K::Caption) return false;
      ++count.at(static_cast<std::size_t>(*field));
    } else {
      const S label = std::get<S>(row.id);
      auto& count = row.kind == K::Figure ? figures : figureCaptions;
      if (row.kind != K::Figure && row.kind != K::Caption) return false;
      ++count.at(static_cast<std::size_t>(label));
    }
  }
  const auto once = [](const auto& counts) {
    return std::ranges::all_of(counts, [](int n) { return n == 1; });
  };
  return once(textBoxes) && once(fieldCaptions) && once(figures) && once(figureCaptions);
}
static_assert(TableIsWellFormed(), "a control row whose kind does not match what it stands for");

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

QString PlainCaption(QString text) {
  text.remove(QLatin1Char('&'));
  if (text.endsWith(QLatin1Char(':'))) text.chop(1);
  return text;
}

}  // namespace window
