// TWebColourListBox: its model, its delegate and the drawing of one row.
#include "colourbox/web_colour_list_box.h"

#include "colour/colour_utils.h"
#include "platform/qt_colours.h"

#include <QAbstractListModel>
#include <QPainter>
#include <QStyledItemDelegate>

namespace colourbox {

namespace {

// System colours follow the Qt palette while the library is loaded.
const textcore::TQtSystemColours system_colours;

} // namespace

// 214 rows, each showing its number; the colours are drawn by the delegate.
class TWebColourListBox::TModel : public QAbstractListModel {
public:
  int rowCount(const QModelIndex &parent) const override {
    return parent.isValid() ? 0 : kItemCount;
  }
  QVariant data(const QModelIndex &index, int role) const override {
    if (!index.isValid() || role != Qt::DisplayRole)
      return {};
    return QString::number(index.row() + 1);
  }
};

class TWebColourListBox::TDelegate : public QStyledItemDelegate {
public:
  explicit TDelegate(const TWebColourListBox &box) : fBox(box) {}

  void paint(QPainter *painter, const QStyleOptionViewItem &option,
             const QModelIndex &index) const override {
    const bool marked = (option.state & (QStyle::State_Selected | QStyle::State_HasFocus)) != 0;
    painter->save();
    fBox.MyDrawItem(*painter, index.row(), option.rect, marked);
    painter->restore();
  }
  QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &) const override {
    return {option.rect.width(), kItemHeight};
  }

private:
  const TWebColourListBox &fBox;
};

TWebColourListBox::TWebColourListBox(QWidget *AOwner)
    : QListView(AOwner), fModel(std::make_unique<TModel>()),
      fDelegate(std::make_unique<TDelegate>(*this)) {
  resize(40, 70);
  QFont small = font();
  small.setPointSize(8);
  setFont(small);
  setUniformItemSizes(true);
  setModel(fModel.get());
  setItemDelegate(fDelegate.get());
}

TWebColourListBox::~TWebColourListBox() {
  // The view lets go of its delegate and model before they are destroyed.
  setItemDelegate(nullptr);
  setModel(nullptr);
}

int32_t TWebColourListBox::IndexConverted(int32_t i) const {
  return fLightestAtTop ? kItemCount - 1 - i : i;
}

int32_t TWebColourListBox::GetAColour(int32_t i) const {
  if (i < 0 || i >= kItemCount)
    return 0;
  return textcore::web_safe_colours[static_cast<size_t>(IndexConverted(i))];
}

bool TWebColourListBox::HasSelection() const {
  return selectionModel() != nullptr && !selectionModel()->selectedIndexes().isEmpty();
}

int32_t TWebColourListBox::SelectedColour() const {
  if (!HasSelection())
    return 0;
  return GetAColour(selectionModel()->selectedIndexes().front().row());
}

void TWebColourListBox::SetLightestAtTop(bool Value) {
  fLightestAtTop = Value;
  viewport()->update();
}

void TWebColourListBox::MyDrawItem(QPainter &painter, int32_t index, const QRect &rect,
                                   bool selected_or_focused) const {
  if (index < 0 || index >= kItemCount)
    return;
  const QColor colour = textcore::ToQColor(GetAColour(index));
  painter.fillRect(rect, selected_or_focused ? colour : QColor(Qt::white));
  const QRect swatch = rect.adjusted(5 + 1, 1, -1, -1);
  painter.fillRect(swatch, colour);
  // The number's right edge 5 pixels inside the swatch, its top 1 pixel below the swatch's top.
  const QRect number(swatch.left(), swatch.top() + 1, swatch.width() - 5, swatch.height() - 1);
  painter.setFont(font());
  painter.setPen(Qt::black);
  painter.drawText(number, Qt::AlignRight | Qt::AlignTop, QString::number(index + 1));
}

} // namespace colourbox
