// TWebColourListBox: a list box offering the 214 browser-safe colours as numbered swatches, for the
// user to pick one. The colours are textcore's web_safe_colours, darkest first (black is number 1)
// unless LightestAtTop reverses them.
//
// A QListView over a model of 214 rows, drawn by a delegate that calls MyDrawItem: the whole row in
// white (in the colour when selected or focused), a swatch of the colour from 6 pixels in and
// 1 pixel inside the row, and the number right-aligned 6 pixels inside the row's right edge, 2
// below its top, in 8-point black. Rows are 16 pixels high. There is no designer palette
// registration.
#pragma once

#include <QListView>

#include <cstdint>
#include <memory>

class QPainter;
class QRect;

namespace colourbox {

class TWebColourListBox : public QListView {
public:
  static constexpr int32_t kItemCount = 214;
  static constexpr int32_t kItemHeight = 16;

  // 40 by 70 pixels, darkest first, nothing selected.
  explicit TWebColourListBox(QWidget *AOwner = nullptr);
  ~TWebColourListBox() override;

  // The colour-table index that row i shows: 213 - i when LightestAtTop, else i.
  int32_t IndexConverted(int32_t i) const;
  // The colour of row i (red in the lowest byte); 0 (black) for a row that does not exist.
  int32_t GetAColour(int32_t i) const;
  // The colour of the selected row; 0 when nothing is selected, as for black: HasSelection tells
  // the two apart.
  int32_t SelectedColour() const;
  bool HasSelection() const;

  bool LightestAtTop() const { return fLightestAtTop; }
  // Reverses the order (or puts it back) and redraws.
  void SetLightestAtTop(bool Value);

  // Draws row index into rect; nothing for a row that does not exist.
  void MyDrawItem(QPainter &painter, int32_t index, const QRect &rect,
                  bool selected_or_focused) const;

private:
  class TModel;
  class TDelegate;

  bool fLightestAtTop = false;
  std::unique_ptr<TModel> fModel;
  std::unique_ptr<TDelegate> fDelegate;
};

} // namespace colourbox
