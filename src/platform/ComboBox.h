#pragma once

#include <NorvoUITOKA/norvouitoka_export.h>
#include <NorvoUITOKA/platform/Control.h>
#include <NorvoUITOKA/platform/Font.h>
#include <NorvoUITOKA/platform/SameText.h>

#include <cstdint>
#include <string>
#include <vector>

namespace norvo {

// An editable text with a drop-down list of items.
class NORVOUITOKA_EXPORT ComboBox : public Control {
public:
    explicit ComboBox(std::string name, int index = NoIndex);

    const std::string& text() const { return text_; }
    // Inline: a refresh sets the text, mostly to what it is.
    void setText(const std::string& value)
    {
        if (!sameText(text_, value))
            replaceText(value);
    }
    // Caret position and selection length, in characters of the text.
    std::int32_t selStart() const { return selStart_; }
    std::int32_t selLength() const { return selLength_; }
    void setSelStart(std::int32_t value);
    void setSelLength(std::int32_t value);

    std::int32_t listCount() const { return static_cast<std::int32_t>(items_.size()); }
    const std::string& list(std::int32_t position) const;
    const std::vector<std::string>& items() const { return items_; }
    // Counts the changes of the list: while it stays the same, so does the
    // list, which is cheaper to know than comparing items.
    std::uint64_t listChanges() const { return listChanges_; }
    // Appends, or inserts before position when one is given.
    void addItem(const std::string& item, std::int32_t position = -1);
    void removeItem(std::int32_t position);
    // Takes the item at from out and puts it back at to (a position of the
    // list without it); the list changes only when the positions differ.
    void moveItem(std::int32_t from, std::int32_t to);
    void clear();

    const Font& font() const { return font_; }
    void setFont(const Font& value);

private:
    std::int32_t textLength() const;
    void replaceText(const std::string& value);
    void checkPosition(std::int32_t position, std::int32_t limit, const char* what) const;
    void listChanged();

    std::string text_;
    std::int32_t selStart_ = 0;
    std::int32_t selLength_ = 0;
    std::vector<std::string> items_;
    std::uint64_t listChanges_ = 0;
    Font font_;
};

} // namespace norvo
