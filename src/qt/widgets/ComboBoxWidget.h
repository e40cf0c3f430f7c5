#pragma once

#include "qt/widgets/ControlWidget.h"

class QComboBox;

namespace norvo {
class ComboBox;
}

namespace norvo::qt {

// An editable combo box whose text, selection and drop-down list mirror the
// model's. Typing writes the model's Text and selection; each typed key
// reaches the model's key handler first, which may change or cancel it
// (KeyAscii 0); picking a list item writes the model's Text, then clicks.
class ComboBoxWidget : public ControlWidget {
    Q_OBJECT

public:
    ComboBoxWidget(ComboBox& comboBox, QWidget* parent);

    void reflect(Property property) override;

    QComboBox& box() const { return *box_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Returns true when the key was used up by the model's handler.
    bool routeKey(QKeyEvent& event);
    void userEdited(const QString& text);
    void userPicked(int position);
    void showText();
    void showSelection();
    void showList();
    // Where the widget's list holds the item at or after from; -1 when not.
    int laterPosition(const QString& item, int from) const;
    void showColours();
    // The widget's caret and selection into the model.
    void takeSelection();

    ComboBox& comboBox_;
    QComboBox* const box_;
    // Set while the model's state is being shown, so that the widget's own
    // change signals do not write it back.
    bool showing_ = false;
    // Set while a key changed by the model's handler is passed on.
    bool forwarding_ = false;
    // Set while typed text is written to the model, which keeps its old
    // selection inside the new text; shown, that selection would have the
    // next key replace the last one. The caret the typing left follows.
    bool typing_ = false;
};

} // namespace norvo::qt
