#include "QtTestSupport.h"
#include "support/CaseNames.h"
#include "support/PanelEvents.h"

#include "panel/TOKA.h"
#include "platform/Label.h"
#include "qt/common/FontBook.h"
#include "qt/common/PanelTranslator.h"
#include "qt/widgets/FormView.h"
#include "qt/widgets/TokaWidget.h"
#include "recording/InMemoryVoiceClient.h"
#include "recording/MemorySettingsStore.h"
#include "recording/RecordingDockFrame.h"

#include <QAccessible>
#include <QFontMetrics>

#include <algorithm>
#include <functional>
#include <set>

namespace norvo::qt {
namespace {

// What a person reads of a panel in each language: a state, a tooltip, an
// accessible name and a connected room's words (a pattern around the room's
// name and information).
struct Language {
    const char* code;
    const char* connected;
    const char* priorityTip;
    const char* receiveName;
    const char* roomWords;
};

void PrintTo(const Language& language, std::ostream* out) { *out << language.code; }

struct TranslationTest : ::testing::TestWithParam<Language> { };

// A caption fits when the label shows all of it, wrapped as the label wraps
// it, in the font the label is painted with: as wide as the label at most, on
// as many lines as the label holds (one at least, as the frequencies' labels
// are a little lower than their font).
bool fits(const Label& label, const std::string& caption)
{
    const QRect box(0, 0, label.width(), label.height());
    const QFontMetrics metrics(FontBook::shared().font(label.font()));
    const QRect needed = metrics.boundingRect(box, Qt::AlignTop | Qt::TextWordWrap, QString::fromStdString(caption));
    return needed.width() <= box.width() && needed.height() <= std::max(box.height(), metrics.height());
}

TEST_P(TranslationTest, PanelReadsInTheLanguageAndEveryCaptionFits)
{
    const Language& language = GetParam();
    PanelTranslator translator;
    const bool english = std::string_view(language.code) == "en";
    ASSERT_EQ(translator.loadFor(QLocale(QString::fromLatin1(language.code)), QStringLiteral(NORVO_BUILT_TRANSLATIONS)),
        !english);
    QCoreApplication::installTranslator(&translator);

    InMemoryVoiceClient voice;
    voice.setPilot(InMemoryVoiceClient::Pilot{"1", "1", "122.800", "121.500"});
    voice.addObject(7, "VOICE", "TOKA");
    // Three slots from index 7; COM1's room connected, with routed speakers.
    for (const auto& [index, value] : {std::pair{0, 3}, std::pair{1, 7}, std::pair{2, 1}, std::pair{3, 1},
             std::pair{4, 0}, std::pair{7, 2}, std::pair{8, 0}, std::pair{9, 0}})
        voice.setLong(7, index, value);
    voice.setText(7, 7, "EDDF_TWR");
    voice.setText(7, 10, "Frankfurt Tower\r\nQNH 1013");
    CallLog log;
    RecordingDockFrame dock{log};
    TokaWidget toka{voice, dock, std::make_unique<MemorySettingsStore>()};
    norvo::testing::raiseEvent(toka.panel(), VoiceEvent::Kind::ObjectCreated, 7);
    Form& form = toka.panel().form();
    const auto widget = [&](const char* name, int index) -> QWidget& {
        return *toka.findChild<FormView*>()->widgetFor(form.at(name, index));
    };
    const auto accessible = [&](const char* name, int index, QAccessible::Text text) {
        return QAccessible::queryAccessibleInterface(&widget(name, index))->text(text);
    };

    EXPECT_EQ(widget("RoomStatus", 0).toolTip(), QString::fromUtf8(language.connected));
    EXPECT_EQ(widget("PriorityChannel", 0).toolTip(), QString::fromUtf8(language.priorityTip));
    EXPECT_EQ(accessible("COMReceive", 0, QAccessible::Name), QString::fromUtf8(language.receiveName));
    EXPECT_EQ(accessible("RoomStatus", 0, QAccessible::Description), QString::fromUtf8(language.roomWords));

    // No two controls share a name, and every caption shows whole.
    std::set<std::string> names;
    std::function<void(const Control&)> visit = [&](const Control& control) {
        if (!control.accessibleName().empty()) {
            EXPECT_TRUE(names.insert(control.accessibleName()).second) << control.accessibleName() << " twice";
        }
        if (const auto* label = dynamic_cast<const Label*>(&control)) {
            EXPECT_TRUE(fits(*label, label->caption())) << label->name() << ": \"" << label->caption() << "\" clips";
        }
        for (const auto& child : control.children())
            visit(*child);
    };
    visit(form);
    // The measure does tell a caption too long for its label.
    const auto& warning = form.get<Label>("VATSIMWarning");
    EXPECT_FALSE(fits(warning, warning.caption() + " " + warning.caption()));
}

INSTANTIATE_TEST_SUITE_P(Table, TranslationTest,
    ::testing::Values(Language{"en", "Connected", "Channel Prioritary", "COM1 receive",
                          "Connected to EDDF_TWR: Frankfurt Tower  QNH 1013"},
        Language{
            "de", "Verbunden", "Vorrangkanal", "COM1: Empfang", "Verbunden mit EDDF_TWR: Frankfurt Tower  QNH 1013"},
        Language{"fr", "Connecté", "Canal prioritaire", "COM1 : réception",
            "Connecté à EDDF_TWR : Frankfurt Tower  QNH 1013"}),
    NamedAfterPrintTo());

} // namespace
} // namespace norvo::qt
