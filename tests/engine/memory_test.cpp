#include "engine/expression_array.h"
#include "engine/number_stack.h"
#include "engine/operator_stack.h"
#include "engine_test_support.h"

TEST(VariableMemory, SortedCaseInsensitiveWithoutDuplicates)
{
    TVariableMemory memory;
    for (const char* name : { "y", "B", "x1", "a", "x" })
        memory.Add(name);
    std::string order;
    for (int i = 0; i < memory.Count(); ++i)
        order += memory.Items(i).Name + " ";
    EXPECT_EQ(order, "a B x x1 y ");

    int index = -1;
    EXPECT_TRUE(memory.Find("b", index));
    EXPECT_EQ(index, 1);
    EXPECT_FALSE(memory.Find("c", index));
    EXPECT_EQ(index, 2) << "where c would be inserted";
    EXPECT_EQ(memory.IndexOf("X1"), 3);
    EXPECT_EQ(memory.IndexOf("z"), -1);

    try {
        memory.Add("A");
        FAIL();
    } catch (const EVariableMemoryError& e) {
        EXPECT_EQ(e.Message(), "String list does not allow duplicates");
    }
    EXPECT_EQ(memory.Count(), 5);

    memory.SetValue("X", 2.5L);
    EXPECT_EQ(memory.GetValue("x"), 2.5L);
    memory.SetValue("absent", 1);
    EXPECT_EQ(memory.Count(), 5);
    EXPECT_EQ(memory.GetValue("absent"), 0);

    memory.Clear();
    EXPECT_EQ(memory.Count(), 0);
    EXPECT_EQ(memory.Capacity(), 0);
}

TEST(VariableMemory, GrowthRule)
{
    TVariableMemory memory;
    std::vector<int> capacities;
    for (int i = 0; i < 101; ++i) {
        memory.Add("v" + std::to_string(1000 + i));
        if (capacities.empty() || capacities.back() != memory.Capacity())
            capacities.push_back(memory.Capacity());
    }
    EXPECT_EQ(capacities, (std::vector<int> { 4, 8, 12, 28, 44, 60, 76, 95, 118 }));
}

TEST(ExpressionArray, GrowthAndBounds)
{
    TExpressionArray array;
    for (int i = 0; i < 13; ++i)
        EXPECT_EQ(array.Add(TExpressionElement::Number(i)), i);
    EXPECT_EQ(array.Capacity(), 28);
    EXPECT_EQ(array.Get(12).Value, 12);
    for (int bad : { -1, 13 }) {
        try {
            array.Get(bad);
            FAIL();
        } catch (const EExpressionArrayError& e) {
            EXPECT_EQ(e.Message(), "List index out of bounds (" + std::to_string(bad) + ")");
        }
    }
    array.Clear();
    EXPECT_EQ(array.Count(), 0);
    EXPECT_EQ(array.Capacity(), 0);
}

TEST(Stacks, PopOnEmptyLeavesTheOutputUntouched)
{
    TOperatorStack operators;
    std::uint8_t code = 77;
    EXPECT_TRUE(operators.IsEmpty());
    EXPECT_FALSE(operators.IsFull());
    EXPECT_FALSE(operators.Pop(code));
    EXPECT_EQ(code, 77);
    operators.Push(3);
    operators.Push(5);
    EXPECT_TRUE(operators.Pop(code));
    EXPECT_EQ(code, 5);
    operators.Clear();
    EXPECT_TRUE(operators.IsEmpty());

    TNumberAndVariantStack values;
    long double v = 9;
    std::string name = "keep";
    EXPECT_FALSE(values.Pop(v));
    EXPECT_FALSE(values.PopName(name));
    EXPECT_EQ(v, 9);
    EXPECT_EQ(name, "keep");
    values.PushVariable(std::string(60, 'q'), 1);
    values.PushNumber(2);
    EXPECT_TRUE(values.PopName(name));
    EXPECT_EQ(name, "");
    EXPECT_TRUE(values.PopName(name));
    EXPECT_EQ(name, std::string(50, 'q'));
}
