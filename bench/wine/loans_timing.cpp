// The loans windows under Wine and Xvfb, medians of 7 runs, each from the
// call until the dialog is shown: the loan editor over 100,000 movies (the
// movie box filled and sorted; at most 0.5 s) and the loans window with
// 1,000 loaners of 5 loans each (both tables filled; at most 0.2 s).
//   wine loans_timing.exe [folder of white.style]
#include "bench/wine/Median.h"
#include "app/loans/AddEditLoanWindow.h"
#include "app/loans/LoansWindow.h"
#include "foundation/signals/SignalReceiver.h"
#include "foundation/system/MessageLoop.h"
#include "model/CollectionModel.h"
#include "model/records/LoanerList.h"
#include "model/records/Movie.h"
#include "ui/core/application/UIApplication.h"
#include "ui/widgets/window/UIDialog.h"

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
const int kMovies = 100000;
const int kLoaners = 1000;
const int kLoansEach = 5;
const int kRuns = 7;

// Notes when the dialog appears and closes it again.
class ShownClock : public SignalReceiver
{
public:
    explicit ShownClock(UIDialog* dialog) : m_dialog(dialog)
    {
        dialog->shown.connectWithArg(this, &ShownClock::onShown);
    }
    void start() { m_start = Clock::now(); }
    void onShown(UIEvent*)
    {
        if (m_ms >= 0.0)
            return;
        GdiFlush();
        m_ms = std::chrono::duration<double, std::milli>(Clock::now() - m_start).count();
        m_dialog->reject();
    }
    double ms() const { return m_ms; }

private:
    UIDialog* m_dialog;
    Clock::time_point m_start;
    double m_ms = -1.0;
};

void report(const char* what, double ms, double limit)
{
    std::printf("  %-52s %8.1f ms%s\n", what, ms, ms > limit ? "  (over the limit)" : "");
    std::fflush(stdout);
}

void fillMovies(CollectionModel& model)
{
    for (int k = 0; k < kMovies; ++k) {
        auto* movie = new Movie();
        movie->id = k + 1;
        movie->title = String(u"Movie ") + String::fromInt((k * 7919) % kMovies);
        movie->year = k % 3 == 0 ? 0 : 1950 + k % 70;
        model.appendMovie(movie);
    }
}

void fillLoaners(CollectionModel& model)
{
    const Date today = Date::todayLocal();
    for (int i = 0; i < kLoaners; ++i) {
        Loaner& loaner = model.loaners().append(Loaner())->value;
        loaner.name = String(u"Loaner ") + String::fromInt(i);
        loaner.email = String(u"loaner") + String::fromInt(i) + String(u"@example.org");
        for (int j = 0; j < kLoansEach; ++j) {
            const int32_t movie = 1 + (i * kLoansEach + j) % kMovies;
            loaner.loans.append(
                Loan{movie, Date(today).addDays(-20), Date(today).addDays(j - 2), Date(), String()});
        }
    }
}

} // namespace

int main(int argc, char** argv)
{
    MessageLoop::create();
    const std::string folder = argc > 1 ? argv[1] : "..";
    const std::string style = folder + "\\white.style";
    if (!UIApplication::instance()->loadTheme(String::fromUtf8(style.c_str()))) {
        std::printf("cannot load %s\n", style.c_str());
        return 1;
    }
    char temporary[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temporary);
    CollectionModel model(String::fromUtf8(temporary));
    fillMovies(model);
    fillLoaners(model);
    std::printf("%d movies, %d loaners of %d loans\n", model.movieCount(), kLoaners, kLoansEach);

    std::vector<double> editor;
    for (int run = 0; run < kRuns; ++run) {
        AddEditLoanWindow window(model, nullptr, model.loaners().first()->value, nullptr);
        ShownClock clock(window.dialog());
        clock.start();
        window.exec();
        editor.push_back(clock.ms());
    }
    report("loan editor on 100,000 movies, until shown", median(editor), 500.0);

    std::vector<double> loans;
    for (int run = 0; run < kRuns; ++run) {
        LoansWindow window(model, nullptr);
        ShownClock clock(window.dialog());
        clock.start();
        window.exec();
        loans.push_back(clock.ms());
    }
    report("loans window, 1,000 loaners of 5 loans, until shown", median(loans), 200.0);
    return 0;
}
