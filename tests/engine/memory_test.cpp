#include "engine/expression_array.h"
#include "engine/operator_stack.h"
#include "engine_test_support.h"
#include "number_stack.h"

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

TEST(VariableMemory, AddingManyNamesAtOnceLeavesWhatOneAddPerNameLeaves)
{
    // Names out of order, repeated and in either case, partly present already.
    std::vector<std::string> names;
    for (int i = 0; i < 300; ++i)
        names.push_back((i % 3 ? "v" : "V") + std::to_string((i * 7919) % 257));
    for (const int present : { 0, 5 }) {
        SCOPED_TRACE(present);
        TVariableMemory one, many;
        for (TVariableMemory* memory : { &one, &many })
            for (int i = 0; i < present; ++i)
                memory->Add("v" + std::to_string(i * 50));
        for (const std::string& name : names)
            if (one.IndexOf(name) < 0)
                one.Add(name);
        many.SetValue("v0", 4);
        const std::uint64_t generation = many.Generation();
        many.AddMissing({ names.begin(), names.end() });
        EXPECT_NE(many.Generation(), generation);
        ASSERT_EQ(many.Count(), one.Count());
        EXPECT_EQ(many.Capacity(), one.Capacity());
        for (int i = 0; i < one.Count(); ++i)
            EXPECT_EQ(many.Items(i).Name, one.Items(i).Name);
        EXPECT_EQ(many.GetValue("v0"), present ? 4 : 0);
    }
}

TEST(SetText, ManyDistinctNamesAreAllRegistered)
{
    // One formula naming thousands of variables, compiled into a table that held
    // other names: exactly its own names, sorted, each read through its own slot.
    std::string text;
    for (int i = 0; i < 5000; ++i)
        text += (i ? "+" : "") + std::string(i % 2 ? "Q" : "q") + std::to_string(4999 - i);
    text += "+q17";
    Formula formula("stale + names");
    formula.F.SetText(text);
    ASSERT_EQ(formula.Memory.Count(), 5000);
    for (int i = 1; i < formula.Memory.Count(); ++i)
        EXPECT_LT(formula.Memory.Items(i - 1).Name, formula.Memory.Items(i).Name);
    EXPECT_EQ(formula.Memory.IndexOf("stale"), -1);
    formula.Memory.SetValue("q17", 1);
    formula.Memory.SetValue("Q4999", 1000);
    EXPECT_EQ(formula(), 1002);
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
