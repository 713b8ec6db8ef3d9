// The password windows run modally on the test display: the prompt before a
// protected collection opens, and setting, changing and removing the
// password of the open one. Refusals show a balloon at the field and keep
// what was typed.
#include "app/password/PasswordDigest.h"
#include "app/password/PasswordEnteringWindow.h"
#include "app/password/PasswordProtectionWindow.h"
#include "model/CollectionModel.h"
#include "model/collection/CollectionFile.h"
#include "tests/support/IoTestSupport.h"
#include "tests/support/LaterStep.h"
#include "tests/support/UIHarness.h"
#include "ui/widgets/balloon/UIBalloonTip.h"
#include "ui/widgets/buttons/UIButton.h"
#include "ui/widgets/edit/UILineEdit.h"
#include "ui/widgets/labels/UILabel.h"
#include "ui/widgets/window/UIDialog.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

using testsupport::LaterStep;
using testsupport::UIHarness;

namespace {

std::string show(const String& text)
{
    return iotest::show(text);
}

// What a refused entry left on screen.
struct Refusal
{
    bool balloon = false;
    std::string text;
    bool pointsAtField = false;
    std::string fieldText;
    bool open = false;
};

Refusal clickAndRead(UIDialog* dialog, UIButton* button, UILineEdit* field)
{
    UIBalloonTip::hideBalloon();
    UIHarness::click(button, button->rect().center());
    Refusal seen;
    seen.balloon = UIHarness::pumpUntil([] { return UIBalloonTip::isShowing(); }, 3000);
    seen.text = show(UIBalloonTip::currentText());
    if (UIBalloonTip* tip = UIBalloonTip::instance())
        seen.pointsAtField = tip->anchor() == field->globalRect().center();
    seen.fieldText = show(field->text());
    seen.open = dialog->isVisible();
    UIBalloonTip::hideBalloon();
    return seen;
}

class PasswordWindows : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(UIHarness::start());
        data = iotest::toPath(dir.path());
        model = std::make_unique<CollectionModel>(data);
        CollectionFile files(data);
        ASSERT_TRUE(files.create(String(u"Movies"), String(), String()));
        path = files.filePathFor(String(u"Movies"));
        ASSERT_TRUE(model->openCollection(path));
    }
    void TearDown() override { UIBalloonTip::hideBalloon(); }

    testsupport::TempDir dir;
    String data;
    String path;
    std::unique_ptr<CollectionModel> model;
};

const char kIncorrect[] = "The password you have typed is incorrect. Retype the password.";

} // namespace

TEST_F(PasswordWindows, ThePromptRefusesWrongEmptyAndWrongCaseAndEnterChecksLikeOk)
{
    PasswordEnteringWindow window(String(u"Movies"), passwordDigest(String(u"Secret")));
    struct Case
    {
        const char16_t* typed;
    };
    const Case wrong[] = {{u"secret"}, {u"SECRET"}, {u""}, {u"Secret "}, {u"Secrets"}};
    std::vector<Refusal> seen;
    bool focused = false;
    int lengthAfterTyping = -1;
    LaterStep step(100, [&] {
        UIHarness::activate(window.dialog());
        UIHarness::pumpFor(30);
        focused = window.passwordField()->hasFocus();
        for (const Case& c : wrong) {
            window.passwordField()->setText(String(c.typed));
            seen.push_back(clickAndRead(window.dialog(), window.okButton(), window.passwordField()));
        }
        // Typed key by key, the field takes no 21st character.
        window.passwordField()->setText(String());
        UIHarness::typeAt(window.passwordField(), std::vector<int>(25, 'A'));
        UIHarness::pumpFor(50);
        lengthAfterTyping = window.passwordField()->text().length();
        window.passwordField()->setText(String(u"Secret"));
        UIHarness::activate(window.dialog());
        UIHarness::typeKeys({VK_RETURN});
        return true;
    });
    EXPECT_TRUE(window.exec());
    EXPECT_TRUE(window.isAccepted());
    EXPECT_TRUE(focused);
    EXPECT_EQ(lengthAfterTyping, PasswordEnteringWindow::kMaximumLength);
    ASSERT_EQ(seen.size(), std::size(wrong));
    for (size_t i = 0; i < seen.size(); ++i) {
        EXPECT_TRUE(seen[i].balloon) << i;
        EXPECT_EQ(seen[i].text, kIncorrect) << i;
        EXPECT_TRUE(seen[i].pointsAtField) << i;
        EXPECT_EQ(seen[i].fieldText, show(String(wrong[i].typed))) << i;
        EXPECT_TRUE(seen[i].open) << i;
    }
}

TEST_F(PasswordWindows, ThePromptCancelledOrUnneededShowsItsAnswer)
{
    PasswordEnteringWindow unprotected(String(u"Movies"), String());
    EXPECT_TRUE(unprotected.exec());
    EXPECT_FALSE(unprotected.dialog()->isVisible());

    PasswordEnteringWindow cancelled(String(u"Movies"), passwordDigest(String(u"Secret")));
    LaterStep cancel(100, [&] {
        UIHarness::activate(cancelled.dialog());
        UIHarness::typeKeys({VK_ESCAPE});
        return true;
    });
    EXPECT_FALSE(cancelled.exec());
    EXPECT_FALSE(cancelled.isAccepted());
}

TEST_F(PasswordWindows, SettingChangingAndRemovingThePassword)
{
    struct State
    {
        bool currentShown = false;
        bool hintShown = false;
        std::string label;
        std::string button;
        bool newFieldFocused = false;
    };
    auto readState = [](PasswordProtectionWindow& window) {
        State state;
        state.currentShown = window.currentField()->isVisible();
        state.hintShown = window.hintButton()->isVisible();
        state.label = show(window.newLabel()->text());
        state.button = show(window.applyButton()->text());
        state.newFieldFocused = window.newField()->hasFocus();
        return state;
    };

    // Unprotected: an empty password is refused, a typed one is set.
    State unprotected;
    Refusal empty;
    {
        PasswordProtectionWindow window(*model, nullptr);
        LaterStep step(100, [&] {
            UIHarness::activate(window.dialog());
            UIHarness::pumpFor(30);
            unprotected = readState(window);
            empty = clickAndRead(window.dialog(), window.applyButton(), window.newField());
            window.newField()->setText(String(u"Secret"));
            UIHarness::click(window.applyButton(), window.applyButton()->rect().center());
            return true;
        });
        window.exec();
    }
    EXPECT_FALSE(unprotected.currentShown);
    EXPECT_FALSE(unprotected.hintShown);
    EXPECT_EQ(unprotected.label, "Password");
    EXPECT_EQ(unprotected.button, "Set Password");
    EXPECT_TRUE(unprotected.newFieldFocused);
    EXPECT_TRUE(empty.balloon);
    EXPECT_EQ(empty.text, "Please enter a password.");
    EXPECT_TRUE(empty.pointsAtField);
    EXPECT_TRUE(empty.open);
    EXPECT_EQ(show(model->collectionFile().password()), show(passwordDigest(String(u"Secret"))));

    // Protected: the current password is asked first; the hint explains
    // removal; a new one replaces it.
    State protectedState;
    std::vector<Refusal> refused;
    std::string hint;
    {
        PasswordProtectionWindow window(*model, nullptr);
        LaterStep step(100, [&] {
            UIHarness::activate(window.dialog());
            UIHarness::pumpFor(30);
            protectedState = readState(window);
            protectedState.newFieldFocused = window.currentField()->hasFocus();
            UIHarness::click(window.hintButton(), window.hintButton()->rect().center());
            UIHarness::pumpUntil([] { return UIBalloonTip::isShowing(); }, 1000);
            hint = show(UIBalloonTip::currentText());
            window.newField()->setText(String(u"Other"));
            for (const char16_t* current : {u"", u"secret", u"Other"}) {
                window.currentField()->setText(String(current));
                refused.push_back(clickAndRead(window.dialog(), window.applyButton(), window.currentField()));
            }
            window.currentField()->setText(String(u"Secret"));
            UIHarness::click(window.applyButton(), window.applyButton()->rect().center());
            return true;
        });
        window.exec();
    }
    EXPECT_TRUE(protectedState.currentShown);
    EXPECT_TRUE(protectedState.hintShown);
    EXPECT_EQ(protectedState.label, "New Password");
    EXPECT_EQ(protectedState.button, "Change Password");
    EXPECT_TRUE(protectedState.newFieldFocused) << "the current password field has the focus";
    EXPECT_EQ(hint, "To remove password protection leave the New Password blank.");
    for (const Refusal& r : refused) {
        EXPECT_TRUE(r.balloon);
        EXPECT_EQ(r.text, "Please enter correct Current password.");
        EXPECT_TRUE(r.pointsAtField);
        EXPECT_TRUE(r.open);
    }
    EXPECT_EQ(show(model->collectionFile().password()), show(passwordDigest(String(u"Other"))));

    // Cancel changes nothing; an empty new password removes the protection,
    // which the file keeps once the collection is written.
    {
        PasswordProtectionWindow window(*model, nullptr);
        LaterStep step(100, [&] {
            window.currentField()->setText(String(u"Other"));
            window.cancel();
            return true;
        });
        window.exec();
    }
    EXPECT_EQ(show(model->collectionFile().password()), show(passwordDigest(String(u"Other"))));
    {
        PasswordProtectionWindow window(*model, nullptr);
        LaterStep step(100, [&] {
            UIHarness::activate(window.dialog());
            window.currentField()->setText(String(u"Other"));
            UIHarness::click(window.applyButton(), window.applyButton()->rect().center());
            return true;
        });
        window.exec();
    }
    EXPECT_TRUE(model->collectionFile().password().isEmpty());
    ASSERT_TRUE(model->closeCollection());
    EXPECT_TRUE(model->collectionFile().peekPassword(path).isEmpty());
}

// The password is typed once and never repeated, so each field shows what was
// typed: a slip hidden behind bullets would lock the owner out for good.
TEST_F(PasswordWindows, EveryPasswordFieldShowsWhatWasTyped)
{
    model->collectionFile().setPassword(passwordDigest(String(u"secret")));
    // Letter keys without Shift type small letters.
    const std::vector<int> keys = {'S', 'E', 'C', 'R', 'E', 'T', '7'};
    std::vector<std::pair<std::string, std::string>> shown;
    auto typeAndRead = [&](const char* what, UILineEdit* field) {
        field->setText(String());
        UIHarness::typeAt(field, keys);
        UIHarness::pumpUntil([&] { return field->text().length() == int(keys.size()); }, 2000);
        shown.push_back({what, show(field->displayText())});
    };
    PasswordEnteringWindow prompt(String(u"Movies"), model->collectionFile().password());
    LaterStep promptStep(100, [&] {
        UIHarness::activate(prompt.dialog());
        typeAndRead("prompt", prompt.passwordField());
        prompt.cancel();
        return true;
    });
    prompt.exec();
    PasswordProtectionWindow protection(*model, nullptr);
    LaterStep protectionStep(100, [&] {
        UIHarness::activate(protection.dialog());
        typeAndRead("current", protection.currentField());
        typeAndRead("new", protection.newField());
        protection.cancel();
        return true;
    });
    protection.exec();
    ASSERT_EQ(shown.size(), 3u);
    for (const auto& [what, text] : shown)
        EXPECT_EQ(text, "secret7") << what;
}
