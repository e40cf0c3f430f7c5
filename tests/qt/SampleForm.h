#pragma once

#include "QtTestSupport.h"

#include "platform/ComboBox.h"
#include "platform/Form.h"
#include "platform/Frame.h"
#include "platform/Label.h"
#include "platform/ManualClock.h"
#include "platform/PictureBox.h"
#include "platform/Shape.h"
#include "qt/widgets/FormView.h"

namespace norvo::qt::testing {

constexpr Colour Green = 0x00C000;
constexpr Colour Teal = 0xC0C000;
constexpr Colour Fill = 0xFFD96D;
constexpr Colour Border = 0x8B6C37;

// Built like the panel: a row frame from x 20 with a transparent white warning
// beneath a room frame, which holds a room name box and a green indicator at
// x 80; a red bar taller than the form; a teal label, then a shape over it.
struct SampleForm : ::testing::Test {
    SampleForm()
    {
        form.setSize(120, 21);
        row.setGeometry(20, 0, 100, 20);
        warning.setGeometry(2, 4, 96, 14);
        warning.setTransparent(true);
        warning.setForeColor(0xFFFFFF);
        warning.setCaption("VATSIM");
        room.setGeometry(0, 0, 100, 20);
        combo.setGeometry(0, 0, 50, 20);
        status.setGeometry(60, 0, 16, 20);
        status.setBackColor(Green);
        bar.setGeometry(0, 0, 7, 72);
        bar.setBackColor(0x0000FF);
        block.setGeometry(0, 0, 15, 50);
        block.setBackColor(Teal);
        shape.setGeometry(10, 2, 10, 8);
        shape.setFillColor(Fill);
        shape.setBorderColor(Border);
    }

    ManualClock clock;
    Form form{"TOKA"};
    Frame& row = form.addChild(std::make_unique<Frame>("channel", 2));
    Label& warning = row.addChild(std::make_unique<Label>("VATSIMWarning"));
    Frame& room = row.addChild(std::make_unique<Frame>("Room", 2));
    ComboBox& combo = room.addChild(std::make_unique<ComboBox>("FreqInfo", 2));
    PictureBox& status = room.addChild(std::make_unique<PictureBox>("RoomStatus", 2));
    PictureBox& bar = form.addChild(std::make_unique<PictureBox>("Bar"));
    Label& block = form.addChild(std::make_unique<Label>("Label2"));
    Shape& shape = form.addChild(std::make_unique<Shape>("shpCaption"));
    FormView view{form};
};

} // namespace norvo::qt::testing
