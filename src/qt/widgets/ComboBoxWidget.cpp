#include "qt/widgets/ComboBoxWidget.h"

#include "platform/ComboBox.h"
#include "platform/ScopedValue.h"
#include "qt/common/Conversions.h"
#include "qt/common/EventBoundary.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace norvo::qt {

ComboBoxWidget::ComboBoxWidget(ComboBox& comboBox, QWidget* parent)
    : ControlWidget(comboBox, parent)
    , comboBox_(comboBox)
    , box_(new QComboBox(this))
{
    box_->setEditable(true);
    // The list is the model's: typing never adds to it nor completes from it.
    box_->setInsertPolicy(QComboBox::NoInsert);
    box_->setCompleter(nullptr);
    box_->installEventFilter(this);
    setFace(*box_);

    QLineEdit* edit = box_->lineEdit();
    connect(edit, &QLineEdit::textEdited, this, &ComboBoxWidget::userEdited);
    connect(edit, &QLineEdit::cursorPositionChanged, this, &ComboBoxWidget::takeSelection);
    connect(edit, &QLineEdit::selectionChanged, this, &ComboBoxWidget::takeSelection);
    connect(box_, &QComboBox::activated, this, &ComboBoxWidget::userPicked);
}

void ComboBoxWidget::reflect(Property property)
{
    switch (property) {
    case Property::Text: showText(); break;
    case Property::Selection: showSelection(); break;
    case Property::List: showList(); break;
    case Property::Font: box_->setFont(toQFont(comboBox_.font())); break;
    case Property::ForeColor:
    case Property::BackColor: showColours(); break;
    case Property::ToolTipText:
    case Property::Hint: box_->setToolTip(toQString(comboBox_.shownToolTip())); break;
    // Its text field and its list are read under its name.
    case Property::AccessibleName:
        box_->lineEdit()->setAccessibleName(toQString(comboBox_.accessibleName()));
        box_->view()->setAccessibleName(toQString(comboBox_.accessibleName()));
        break;
    default: break;
    }
    ControlWidget::reflect(property);
}

void ComboBoxWidget::resizeEvent(QResizeEvent* event)
{
    ControlWidget::resizeEvent(event);
    box_->setGeometry(rect());
}

void ComboBoxWidget::showColours()
{
    QPalette palette = box_->palette();
    const QColor text = toQColor(comboBox_.foreColor());
    const QColor back = toQColor(comboBox_.backColor());
    for (const auto role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
        palette.setColor(role, text);
    for (const auto role : {QPalette::Base, QPalette::Window, QPalette::Button})
        palette.setColor(role, back);
    box_->setPalette(palette);
}

void ComboBoxWidget::showText()
{
    const QString text = toQString(comboBox_.text());
    if (box_->lineEdit()->text() == text)
        return;
    {
        const ScopedValue showing(showing_, true);
        box_->lineEdit()->setText(text);
    }
    // Setting a text moves the caret to its end; the model says where it is.
    showSelection();
}

void ComboBoxWidget::showSelection()
{
    if (typing_)
        return;
    QLineEdit* edit = box_->lineEdit();
    const QString text = edit->text();
    if (toStdString(text) != comboBox_.text())
        return;
    const int start = utf16Position(text, comboBox_.selStart());
    const int end = utf16Position(text, comboBox_.selStart() + comboBox_.selLength());
    const bool same = edit->hasSelectedText() ? edit->selectionStart() == start && edit->selectionEnd() == end
                                              : start == end && edit->cursorPosition() == start;
    if (same)
        return;
    const ScopedValue showing(showing_, true);
    if (end > start)
        edit->setSelection(start, end - start);
    else
        edit->setCursorPosition(start);
}

void ComboBoxWidget::showList()
{
    const std::vector<std::string>& items = comboBox_.items();
    const int count = static_cast<int>(items.size());
    {
        const ScopedValue showing(showing_, true);
        // Item by item, touching only what differs: the widget's first
        // `position` items already match the model's.
        bool edited = false;
        for (int position = 0; position < count; ++position) {
            const QString item = toQString(items[static_cast<std::size_t>(position)]);
            if (position < box_->count() && box_->itemText(position) == item)
                continue;
            edited = true;
            if (const int later = laterPosition(item, position + 1); later >= 0)
                box_->removeItem(later);
            box_->insertItem(position, item);
        }
        for (int position = box_->count() - 1; position >= count; --position) {
            edited = true;
            box_->removeItem(position);
        }
        if (!edited)
            return;
        // The list never picks the text; the model's text stays.
        box_->setCurrentIndex(-1);
        if (box_->lineEdit()->text() != toQString(comboBox_.text()))
            box_->lineEdit()->setText(toQString(comboBox_.text()));
    }
    showSelection();
}

int ComboBoxWidget::laterPosition(const QString& item, int from) const
{
    for (int position = from; position < box_->count(); ++position)
        if (box_->itemText(position) == item)
            return position;
    return -1;
}

void ComboBoxWidget::takeSelection()
{
    QLineEdit* edit = box_->lineEdit();
    const QString text = edit->text();
    // Between a keystroke and the text reaching the model the two differ; the
    // selection follows with the text.
    if (showing_ || toStdString(text) != comboBox_.text())
        return;
    const int start = edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
    const int end = edit->hasSelectedText() ? edit->selectionEnd() : start;
    const std::int32_t selStart = characterPosition(text, start);
    const std::int32_t selLength = characterPosition(text, end) - selStart;
    deliver(comboBox_, "selection", [&] {
        comboBox_.setSelStart(selStart);
        comboBox_.setSelLength(selLength);
    });
}

void ComboBoxWidget::userEdited(const QString& text)
{
    if (showing_)
        return;
    const std::string value = toStdString(text);
    bool written = false;
    {
        const ScopedValue typing(typing_, true);
        written = deliver(comboBox_, "typing", [&] { comboBox_.setText(value); });
    }
    if (written)
        takeSelection();
}

void ComboBoxWidget::userPicked(int position)
{
    if (showing_ || position < 0 || position >= comboBox_.listCount())
        return;
    deliver(comboBox_, "list pick", [&] {
        comboBox_.setText(comboBox_.list(position));
        takeSelection();
        comboBox_.click();
    });
}

bool ComboBoxWidget::routeKey(QKeyEvent& event)
{
    const std::optional<std::int16_t> code = keyAsciiOf(event);
    if (!code)
        return false;
    std::int16_t keyAscii = *code;
    if (!deliver(comboBox_, "key press", [&] { comboBox_.keyPress(keyAscii); }))
        return false;
    if (keyAscii == 0)
        return true;
    if (keyAscii != *code) {
        // The handler typed another character instead.
        const ScopedValue forwarding(forwarding_, true);
        QKeyEvent replaced(QEvent::KeyPress, 0, event.modifiers(), QString(QChar(char16_t(keyAscii & 0xFF))));
        QApplication::sendEvent(box_, &replaced);
        return true;
    }
    return false;
}

bool ComboBoxWidget::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == box_) {
        switch (event->type()) {
        case QEvent::KeyPress:
            if (!forwarding_)
                return routeKey(static_cast<QKeyEvent&>(*event));
            break;
        case QEvent::FocusIn: focusEntered(); break;
        case QEvent::FocusOut: focusLeft(static_cast<QFocusEvent&>(*event)); break;
        default: break;
        }
    }
    return ControlWidget::eventFilter(watched, event);
}

void ComboBoxWidget::keyPressEvent(QKeyEvent* event)
{
    // Keys the combo box leaves (Enter) were already given to the model.
    event->accept();
}

} // namespace norvo::qt
