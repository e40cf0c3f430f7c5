#pragma once

#include "qt/quick/ControlItem.h"

#include <QPointer>

namespace norvo {
class ComboBox;
}

namespace norvo::qt {

class ListPopupItem;

// An editable combo box drawn on the scene: the model's text with its caret
// and selection, and a button that drops the model's list down. Each typed
// key reaches the model's key handler first, which may change or cancel it
// (KeyAscii 0); what it lets through edits the text, which is written to the
// model's Text and selection. Picking a list item (with the mouse, Up and
// Down, or Return in the dropped-down list) writes the model's Text, then
// clicks. Alt+Down and F4 drop the list down or close it, as in any combo box.
class ComboBoxItem : public ControlItem {
    Q_OBJECT

public:
    ComboBoxItem(ComboBox& comboBox, QQuickItem* parent);
    ~ComboBoxItem() override;

    void reflect(Property property) override;
    void paint(QPainter* painter) override;

    ComboBox& comboBox() const { return comboBox_; }
    // Picks the list item at the position as the user does.
    void pick(int position);
    // Drops the list down, or closes it.
    void toggleList();
    bool listShown() const { return !list_.isNull(); }
    // The dropped-down list, while it is shown.
    ListPopupItem* list() const;
    // Tells assistive technology of the row the list now marks.
    void tellListMark();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // The caret's and the selection's ends, in characters.
    std::int32_t anchor() const;
    std::int32_t caret() const;
    // Writes a text the user made, then the caret and selection.
    void edit(const std::string& text, std::int32_t selStart, std::int32_t selLength);
    void select(std::int32_t selStart, std::int32_t selLength);
    void typeCharacter(char16_t character);
    void closeList();
    QRectF buttonRect() const;
    QRectF textRect() const;

    ComboBox& comboBox_;
    QPointer<ListPopupItem> list_;
};

} // namespace norvo::qt
