#pragma once

// What the loans windows' tests under Wine share: a collection with movies
// or without, loans dated from today, and reading back a colour drawn in a
// part of a widget.
#include "foundation/geometry/Rect.h"
#include "model/CollectionModel.h"
#include "model/collection/CollectionFile.h"
#include "model/records/LoanerList.h"
#include "model/records/Movie.h"
#include "tests/support/IoTestSupport.h"
#include "tests/support/UIHarness.h"
#include "ui/core/widget/UIWidget.h"
#include "ui/widgets/window/UIDialog.h"

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

namespace loanstest {

inline Date day(int offset)
{
    return Date(Date::todayLocal()).addDays(offset);
}

inline Loan loanOf(int32_t movieId, int lentDaysAgo, int dueInDays, bool returned = false)
{
    return Loan{movieId, day(-lentDaysAgo), day(dueInDays), returned ? day(0) : Date(), String()};
}

inline Loaner& addLoaner(CollectionModel& model, const char16_t* name)
{
    Loaner& loaner = model.loaners().append(Loaner())->value;
    loaner.name = String(name);
    return loaner;
}

// A collection "Movies" in a folder of its own, open, with the movies given
// (ids from 1 in this order).
struct Collection
{
    explicit Collection(std::initializer_list<std::pair<const char16_t*, int>> movies)
    {
        data = iotest::toPath(dir.path());
        model = std::make_unique<CollectionModel>(data);
        CollectionFile files(data);
        opened = files.create(String(u"Movies"), String(), String()) &&
                 model->openCollection(files.filePathFor(String(u"Movies")));
        int32_t id = 0;
        for (const auto& movie : movies) {
            auto* added = new Movie();
            added->id = ++id;
            added->title = String(movie.first);
            added->year = movie.second;
            model->appendMovie(added);
        }
    }

    testsupport::TempDir dir;
    String data;
    std::unique_ptr<CollectionModel> model;
    bool opened = false;
};

// How many pixels of that colour (0xRRGGBB) the screen shows in a rectangle
// of the widget.
inline int countColor(const UIWidget* widget, const Rect& area, uint32_t rgb)
{
    testsupport::UIHarness::pump();
    const Rect global = widget->globalRect();
    HDC screen = GetDC(nullptr);
    int found = 0;
    for (int y = area.y; y < area.y + area.height; ++y) {
        for (int x = area.x; x < area.x + area.width; ++x) {
            const COLORREF pixel = GetPixel(screen, global.x + x, global.y + y);
            const uint32_t value =
                (uint32_t(GetRValue(pixel)) << 16) | (uint32_t(GetGValue(pixel)) << 8) | GetBValue(pixel);
            if (value == rgb)
                ++found;
        }
    }
    ReleaseDC(nullptr, screen);
    return found;
}

// The first visible dialog among the children of parent.
inline UIDialog* childDialog(UIWidget* parent)
{
    for (UIWidget* child : parent->children()) {
        if (auto* dialog = dynamic_cast<UIDialog*>(child)) {
            if (dialog->isVisible())
                return dialog;
        }
    }
    return nullptr;
}

// Two clicks in quick succession, as the toolkit tells a double click; a
// click made just before would pair with the first one, so its time runs
// out first.
inline void doubleClick(UIWidget* widget, const Point& at)
{
    testsupport::UIHarness::pumpFor(int(GetDoubleClickTime()) + 100);
    testsupport::UIHarness::click(widget, at);
    testsupport::UIHarness::click(widget, at);
}

} // namespace loanstest
