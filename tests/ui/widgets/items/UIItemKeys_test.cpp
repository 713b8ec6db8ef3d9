#include "ui/widgets/items/UIItemKeys.h"

#include <gtest/gtest.h>

TEST(UIItemKeys, ArrowAndPadKeysStepAlikeAndOnlyControlASelectsAll)
{
    struct Row
    {
        int key;
        uint32_t modifiers;
        UIItemKeys::Step step;
    };
    const Row rows[] = {
        {33, 0, UIItemKeys::kPageUp},    {105, 0, UIItemKeys::kPageUp},   {34, 0, UIItemKeys::kPageDown},
        {99, 0, UIItemKeys::kPageDown},  {35, 0, UIItemKeys::kLast},      {97, 0, UIItemKeys::kLast},
        {36, 0, UIItemKeys::kFirst},     {103, 0, UIItemKeys::kFirst},    {37, 0, UIItemKeys::kPrevious},
        {100, 0, UIItemKeys::kPrevious}, {38, 1, UIItemKeys::kUp},        {104, 0, UIItemKeys::kUp},
        {39, 0, UIItemKeys::kNext},      {102, 0, UIItemKeys::kNext},     {40, 2, UIItemKeys::kDown},
        {98, 0, UIItemKeys::kDown},      {65, 2, UIItemKeys::kSelectAll}, {65, 3, UIItemKeys::kSelectAll},
        {65, 0, UIItemKeys::kNoStep},    {65, 1, UIItemKeys::kNoStep},    {101, 0, UIItemKeys::kNoStep},
        {13, 2, UIItemKeys::kNoStep},    {0, 0, UIItemKeys::kNoStep},     {-33, 0, UIItemKeys::kNoStep},
    };
    for (const Row& r : rows)
        EXPECT_EQ(r.step, UIItemKeys::stepOf(r.key, r.modifiers)) << r.key << " / " << r.modifiers;
}
