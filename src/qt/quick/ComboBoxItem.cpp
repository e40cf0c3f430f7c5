#include "qt/quick/ComboBoxItem.h"

#include "platform/ComboBox.h"
#include "qt/common/Conversions.h"
#include "qt/common/EventBoundary.h"
#include "qt/quick/FloatingWindow.h"
#include "qt/quick/ListPopupItem.h"

#include <QAccessible>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <QQuickWindow>

#include <algorithm>

namespace norvo::qt {

namespace {

constexpr qreal ButtonWidth = 16;
constexpr int TextMargin = 3;
constexpr char16_t Backspace = 8;
constexpr char16_t Enter = 13;

} // namespace

ComboBoxItem::ComboBoxItem(ComboBox& comboBox, QQuickItem* parent)
    : ControlItem(comboBox, parent)
    , comboBox_(comboBox)
{
}

ComboBoxItem::~ComboBoxItem()
{
    if (list_)
        delete list_->window();
}

ListPopupItem* ComboBoxItem::list() const { return list_.data(); }

void ComboBoxItem::tellListMark()
{
    if (!list_ || list_->marked() < 0 || !QAccessible::isActive())
        return;
    QAccessibleInterface* box = QAccessible::queryAccessibleInterface(this);
    QAccessibleInterface* shown = box ? box->child(0) : nullptr;
    if (QAccessibleInterface* row = shown ? shown->child(list_->marked()) : nullptr) {
        QAccessibleEvent focused(row, QAccessible::Focus);
        QAccessible::updateAccessibility(&focused);
    }
}

void ComboBoxItem::reflect(Property property)
{
    switch (property) {
    case Property::Text: {
        update();
        // A screen reader reads the box's text as its value.
        QAccessibleValueChangeEvent changed(this, toQString(comboBox_.text()));
        QAccessible::updateAccessibility(&changed);
        break;
    }
    case Property::Selection: {
        update();
        QAccessibleTextCursorEvent moved(this, utf16Position(toQString(comboBox_.text()), caret()));
        QAccessible::updateAccessibility(&moved);
        break;
    }
    case Property::List:
        if (list_)
            toggleList();
        break;
    default: break;
    }
    ControlItem::reflect(property);
}

QRectF ComboBoxItem::buttonRect() const { return QRectF(width() - ButtonWidth, 0, ButtonWidth, height()); }

QRectF ComboBoxItem::textRect() const
{
    return QRectF(TextMargin, 0, std::max(0.0, width() - ButtonWidth - 2 * TextMargin), height());
}

void ComboBoxItem::paint(QPainter* painter)
{
    countPaint();
    const QPalette palette = QGuiApplication::palette();
    const QRectF area(0, 0, width(), height());
    painter->fillRect(area, toQColor(comboBox_.backColor()));
    // The button with its arrow, and the frame round both.
    const QRectF button = buttonRect();
    painter->fillRect(button, palette.color(QPalette::Button));
    painter->setPen(palette.color(QPalette::Mid));
    painter->drawRect(area.adjusted(0, 0, -1, -1));
    painter->drawLine(button.topLeft(), button.bottomLeft());
    const QPointF tip(button.center().x(), button.center().y() + 2);
    painter->setBrush(palette.color(QPalette::ButtonText));
    painter->setPen(Qt::NoPen);
    painter->drawPolygon(QPolygonF({tip + QPointF(-4, -4), tip + QPointF(4, -4), tip}));

    const QString text = toQString(comboBox_.text());
    const QFont& font = toQFont(comboBox_.font());
    const QFontMetrics metrics(font);
    const QRectF field = textRect();
    const qreal baseline = (height() - metrics.height()) / 2 + metrics.ascent();
    const auto xAt = [&](std::int32_t position) {
        return field.left() + metrics.horizontalAdvance(text.left(utf16Position(text, position)));
    };
    painter->setClipRect(field);
    const std::int32_t start = comboBox_.selStart();
    const std::int32_t end = start + comboBox_.selLength();
    if (hasActiveFocus() && end > start)
        painter->fillRect(
            QRectF(xAt(start), 1, xAt(end) - xAt(start), height() - 2), palette.color(QPalette::Highlight));
    painter->setFont(font);
    painter->setPen(isEnabled() ? toQColor(comboBox_.foreColor()) : QColor(0x80, 0x80, 0x80));
    painter->drawText(QPointF(field.left(), baseline), text);
    if (hasActiveFocus() && end == start) {
        const qreal x = xAt(start);
        painter->fillRect(
            QRectF(x, (height() - metrics.height()) / 2, 1, metrics.height()), toQColor(comboBox_.foreColor()));
    }
}

std::int32_t ComboBoxItem::anchor() const { return comboBox_.selStart(); }

std::int32_t ComboBoxItem::caret() const { return comboBox_.selStart() + comboBox_.selLength(); }

void ComboBoxItem::select(std::int32_t selStart, std::int32_t selLength)
{
    deliver(comboBox_, "selection", [&] {
        comboBox_.setSelStart(selStart);
        comboBox_.setSelLength(selLength);
    });
}

void ComboBoxItem::edit(const std::string& text, std::int32_t selStart, std::int32_t selLength)
{
    if (deliver(comboBox_, "typing", [&] { comboBox_.setText(text); }))
        select(selStart, selLength);
}

void ComboBoxItem::typeCharacter(char16_t character)
{
    QString text = toQString(comboBox_.text());
    const int from = utf16Position(text, std::min(anchor(), caret()));
    const int to = utf16Position(text, std::max(anchor(), caret()));
    int caretAt = from;
    if (character == Backspace) {
        if (from == to && from > 0) {
            // One character back, both halves of a surrogate pair.
            const int back = text.at(from - 1).isLowSurrogate() && from > 1 ? 2 : 1;
            text.remove(from - back, back);
            caretAt = from - back;
        } else {
            text.remove(from, to - from);
        }
    } else {
        text.replace(from, to - from, QString(QChar(character)));
        caretAt = from + 1;
    }
    edit(toStdString(text), characterPosition(text, caretAt), 0);
}

void ComboBoxItem::closeList()
{
    // The list may be what is handling the event that closes it.
    FloatingWindow::discard(list_);
    list_ = nullptr;
}

void ComboBoxItem::pick(int position)
{
    closeList();
    if (position < 0 || position >= comboBox_.listCount())
        return;
    deliver(comboBox_, "list pick", [&] {
        const std::string& item = comboBox_.list(position);
        comboBox_.setText(item);
        comboBox_.setSelStart(0);
        comboBox_.setSelLength(characterPosition(toQString(item), static_cast<int>(toQString(item).size())));
        comboBox_.click();
    });
}

void ComboBoxItem::toggleList()
{
    if (list_) {
        closeList();
        return;
    }
    QQuickWindow* shown = window();
    if (!shown || comboBox_.listCount() == 0)
        return;
    QStringList items;
    for (const std::string& item : comboBox_.items())
        items.append(toQString(item));
    // Below the box, beyond the panel's window if need be.
    auto* floating = new FloatingWindow(*shown);
    list_ = new ListPopupItem(*this, items, toQFont(comboBox_.font()), floating->contentItem());
    list_->setWidth(width());
    floating->present(*list_, mapToGlobal(QPointF(0, height())).toPoint());
}

void ComboBoxItem::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    forceActiveFocus(Qt::MouseFocusReason);
    if (event->button() != Qt::LeftButton)
        return;
    if (buttonRect().contains(event->position())) {
        toggleList();
        return;
    }
    // The caret where the text was pressed.
    const QString text = toQString(comboBox_.text());
    const QFontMetrics metrics(toQFont(comboBox_.font()));
    const qreal x = event->position().x() - textRect().left();
    int position = 0;
    while (position < text.size() && metrics.horizontalAdvance(text.left(position + 1)) < x + 0.5)
        ++position;
    select(characterPosition(text, position), 0);
}

void ComboBoxItem::mouseReleaseEvent(QMouseEvent* event) { event->accept(); }

void ComboBoxItem::mouseDoubleClickEvent(QMouseEvent* event)
{
    event->accept();
    // Selects the whole text, as a line edit does with a word.
    select(0, characterPosition(toQString(comboBox_.text()), static_cast<int>(comboBox_.text().size())));
}

void ComboBoxItem::keyPressEvent(QKeyEvent* event)
{
    event->accept();
    if (moveFocusByKey(*event))
        return;
    const QString text = toQString(comboBox_.text());
    const std::int32_t length = characterPosition(text, static_cast<int>(text.size()));
    const bool extend = event->modifiers() & Qt::ShiftModifier;
    const auto moveCaret = [&](std::int32_t to) {
        to = std::clamp(to, 0, length);
        if (extend)
            select(std::min(anchor(), to), std::abs(to - anchor()));
        else
            select(to, 0);
    };
    const bool alt = event->modifiers() & Qt::AltModifier;
    if ((event->key() == Qt::Key_F4 && !alt) || (alt && (event->key() == Qt::Key_Down || event->key() == Qt::Key_Up))) {
        toggleList();
        return;
    }
    // The dropped-down list takes the arrows and Return, as its own window would.
    if (list_) {
        switch (event->key()) {
        case Qt::Key_Up: list_->moveMark(-1); return;
        case Qt::Key_Down: list_->moveMark(1); return;
        case Qt::Key_Return:
        case Qt::Key_Enter: pick(list_->marked()); return;
        default: break;
        }
    }
    if (event->matches(QKeySequence::SelectAll)) {
        select(0, length);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Left: moveCaret(comboBox_.selLength() && !extend ? anchor() : caret() - 1); return;
    case Qt::Key_Right: moveCaret(comboBox_.selLength() && !extend ? caret() : caret() + 1); return;
    case Qt::Key_Home: moveCaret(0); return;
    case Qt::Key_End: moveCaret(length); return;
    case Qt::Key_Escape:
        if (list_) {
            closeList();
            return;
        }
        break;
    case Qt::Key_Up:
    case Qt::Key_Down: {
        const auto& items = comboBox_.items();
        const auto at = std::find(items.begin(), items.end(), comboBox_.text());
        int position = at == items.end() ? -1 : static_cast<int>(at - items.begin());
        position += event->key() == Qt::Key_Down ? 1 : -1;
        if (position >= 0 && position < comboBox_.listCount())
            pick(position);
        return;
    }
    case Qt::Key_Delete:
        if (comboBox_.selLength() == 0 && caret() < length)
            select(caret(), 1);
        typeCharacter(Backspace);
        return;
    default: break;
    }
    const std::optional<std::int16_t> code = keyAsciiOf(*event);
    if (!code)
        return;
    std::int16_t keyAscii = *code;
    if (!deliver(comboBox_, "key press", [&] { comboBox_.keyPress(keyAscii); }) || keyAscii == 0)
        return;
    const auto character = static_cast<char16_t>(keyAscii & 0xFF);
    // Enter and other control keys type nothing but Backspace.
    if (character == Enter || (character < 0x20 && character != Backspace))
        return;
    // What the handler let through unchanged types the key's own text.
    if (keyAscii == *code && !event->text().isEmpty() && event->text().at(0).unicode() > 0xFF)
        typeCharacter(event->text().at(0).unicode());
    else
        typeCharacter(character);
}

void ComboBoxItem::focusInEvent(QFocusEvent* event)
{
    ControlItem::focusInEvent(event);
    // Reached by the keyboard, the box selects its text, to be typed over.
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason) {
        const QString text = toQString(comboBox_.text());
        select(0, characterPosition(text, static_cast<int>(text.size())));
    }
    update();
}

void ComboBoxItem::focusOutEvent(QFocusEvent* event)
{
    ControlItem::focusOutEvent(event);
    // The list belongs to the box the user is at: another control, or
    // another window, closes it.
    closeList();
    update();
}

} // namespace norvo::qt
