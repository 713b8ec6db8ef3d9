#include "ui/widgets/items/UIItemKeys.h"

namespace {

constexpr uint32_t kControl = 2;
constexpr int kAKey = 65;

struct KeyStep
{
    int key;
    int padKey;
    UIItemKeys::Step step;
};

const KeyStep kSteps[] = {
    {33, 105, UIItemKeys::kPageUp}, {34, 99, UIItemKeys::kPageDown},  {35, 97, UIItemKeys::kLast},
    {36, 103, UIItemKeys::kFirst},  {37, 100, UIItemKeys::kPrevious}, {38, 104, UIItemKeys::kUp},
    {39, 102, UIItemKeys::kNext},   {40, 98, UIItemKeys::kDown},
};

} // namespace

UIItemKeys::Step UIItemKeys::stepOf(int key, uint32_t modifiers)
{
    if (key == kAKey)
        return (modifiers & kControl) ? kSelectAll : kNoStep;
    for (const KeyStep& s : kSteps) {
        if (key == s.key || key == s.padKey)
            return s.step;
    }
    return kNoStep;
}
