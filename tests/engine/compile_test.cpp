#include "base/catalogue.h"
#include "engine/compiler.h"
#include "engine/tokenizer.h"
#include "engine_test_support.h"

TEST(CheckSyntax, MessagesAsWorded)
{
    const std::pair<const char*, const char*> rows[] = {
        { "", "Fonksiyon olarak herhangibi bir ifade girilmemiş.(Boş fonksiyon girişi.) " },
        { "x+$", "Bilinmeyen bir ifade => $" },
        { "X+Q1", "" },
        { "(x", "Kapatılmamış parantez mevcut " },
        { "x)", "Açılmamış parantez mevcut " },
        { "[|x)", "Parantezler dengeli değil. [| ile açılan parantez ) ile kapatılmiş" },
        { "(x]", "Parantezler dengeli değil. ( ile açılan parantez ] ile kapatılmiş" },
        { "x y",
            "(Sintax Error)İmla hatası => x değişkeninden sonra mutlaka bir operator gelmelidir" },
        { "x(2)", "(Sintax Error)İmla hatası => x değişkeninden sonra( operand ı gelmiş" },
        { "x[|2|]", "(Sintax Error)İmla hatası => x değişkeninden sonra[| operand ı gelmiş" },
        { "(x y",
            "(Sintax Error)İmla hatası => x değişkeninden sonra mutlaka bir operator gelmelidir" },
        { "2(x)", "(Sintax Error)İmla hatası => 2 sayısından sonra( operand ı gelmiş" },
        { "2.50 x",
            "(Sintax Error)İmla hatası => 2.5 sayısından sonra mutlaka bir operator gelmelidir" },
        { "3 = x", "(Sintax Error)İmla hatası => 3 sayısından sonra= operand ı gelmiş" },
        { "pi=3", "(Sintax Error)İmla hatası => pi sabitinden sonra=operand ı gelmiş" },
        { "-pi(2)", "(Sintax Error)İmla hatası => -pi sabitinden sonra(operand ı gelmiş" },
        { "e x",
            "(Sintax Error)İmla hatası => e sabitinden sonra mutlaka bir operator gelmelidir" },
        { "sin x",
            "(Sintax Error)İmla hatası => sin fonksiyonundan sonra sonra yanlızca \"(\",\"[\", "
            "operatorleri gelmelidir." },
        { "sin[|x|]",
            "(Sintax Error)İmla hatası => sin fonksiyonundan sonra sonra yanlızca \"(\",\"[\", "
            "operatorleri gelmelidir." },
        { "sin[x]", "" },
        { "[|x|]", "" },
        { "x = 3", "" },
        { "x=y=2", "" },
    };
    for (const auto& [text, message] : rows) {
        SCOPED_TRACE(text);
        EXPECT_EQ(CompileMessage(text), message);
    }
    // A giant token shows its first 60 characters; control characters their codes.
    const std::string unknown = "Bilinmeyen bir ifade => ";
    EXPECT_EQ(
        CompileMessage("1+" + std::string(100000, '9')), unknown + std::string(60, '9') + "…");
    EXPECT_EQ(CompileMessage(std::string(61, 'q') + "$"), unknown + std::string(60, 'q') + "…");
    EXPECT_EQ(CompileMessage(std::string(59, 'q') + "$"), unknown + std::string(59, 'q') + "$");
    EXPECT_EQ(CompileMessage(std::string("x+a\0b\x01", 6)), unknown + "a\\x00b\\x01");
}

TEST(CheckSyntax, MessagesInEnglish)
{
    const std::pair<const char*, const char*> rows[] = {
        { "x y", "(Syntax Error) Spelling error => x must be followed by an operator" },
        { "x+$", "Unknown expression => $" },
        { "(x]", "The parentheses are not balanced. a parenthesis opened with ( is closed with ]" },
        { "x(2)", "(Syntax Error) Spelling error => x is followed by the operand (" },
        { "2*", "(Syntax Error) Spelling error => * must be followed by an operand" },
        { "sin x",
            "(Syntax Error) Spelling error => sin must be followed only by the \"(\",\"[\", "
            "operators." },
    };
    SetTextLanguage(TTextLanguage::English);
    for (const auto& [text, message] : rows) {
        SCOPED_TRACE(text);
        EXPECT_EQ(CompileMessage(text), message);
    }
    SetTextLanguage(TTextLanguage::Turkish);
    EXPECT_EQ(CompileMessage("x y"),
        "(Sintax Error)İmla hatası => x değişkeninden sonra mutlaka bir operator gelmelidir");
}

TEST(CheckSyntax, OperatorsWithoutOperandsAreRefusedWhenCompiled)
{
    const std::pair<const char*, const char*> rows[] = {
        { "*2", "(Sintax Error)İmla hatası => * operatorunden önce bir operand gelmelidir" },
        { "2*", "(Sintax Error)İmla hatası => * operatorunden sonra bir operand gelmelidir" },
        { "2**3", "(Sintax Error)İmla hatası => * operatorunden sonra bir operand gelmelidir" },
        { "x+", "(Sintax Error)İmla hatası => + operatorunden sonra bir operand gelmelidir" },
        { "(*2)", "(Sintax Error)İmla hatası => * operatorunden önce bir operand gelmelidir" },
        { "()", "(Sintax Error)İmla hatası => ( operatorunden sonra bir operand gelmelidir" },
        { "(x+)", "(Sintax Error)İmla hatası => + operatorunden sonra bir operand gelmelidir" },
        { "!", "(Sintax Error)İmla hatası => ! operatorunden önce bir operand gelmelidir" },
        { "not", "(Sintax Error)İmla hatası => not operatorunden sonra bir operand gelmelidir" },
        { "x not y",
            "(Sintax Error)İmla hatası => not operatorunden önce bir operator gelmelidir" },
        { "(x)(y)",
            "(Sintax Error)İmla hatası => ) operatorunden sonra mutlaka bir operator gelmelidir" },
        { "3!x",
            "(Sintax Error)İmla hatası => ! operatorunden sonra mutlaka bir operator gelmelidir" },
        { "x div", "(Sintax Error)İmla hatası => \\ operatorunden sonra bir operand gelmelidir" },
        { "--2", "(Sintax Error)İmla hatası => - operatorunden önce bir operand gelmelidir" },
        { "sin",
            "(Sintax Error)İmla hatası => sin fonksiyonundan sonra sonra yanlızca \"(\",\"[\", "
            "operatorleri gelmelidir." },
        { "x+sin",
            "(Sintax Error)İmla hatası => sin fonksiyonundan sonra sonra yanlızca \"(\",\"[\", "
            "operatorleri gelmelidir." },
        // The checks of neighbours and brackets still come first.
        { "*x y",
            "(Sintax Error)İmla hatası => x değişkeninden sonra mutlaka bir operator gelmelidir" },
        { "(*2", "Kapatılmamış parantez mevcut " },
    };
    for (const auto& [text, message] : rows) {
        SCOPED_TRACE(text);
        EXPECT_EQ(CompileMessage(text), message);
    }
}

TEST(Postfix, Forms)
{
    const std::pair<const char*, const char*> rows[] = {
        { "x^2+1", "x 2 ^ 1 + " },
        { "sin(cos(x))", "x cos sin " },
        { "sin(x)+(y)", "x sin y + " },
        { "[|x-3|]*2", "x 3 - abs 2 * " },
        { "3!+1", "3 fact 1 + " },
        { "(2+1)!", "2 1 + fact " },
        { "7 mod 3*2", "7 3 2 * % " },
        { "2^3^2", "2 3 ^ 2 ^ " },
        { "-x^2", "0 x - 2 ^ " },
        { "-sin(x)^2", "0 x sin - 2 ^ " },
        { "-sin(-cos(x))", "0 0 x cos - sin - " },
        { "-pi*x", "-pi x * " },
        { "-e", "-e " },
        { "+x", "x " },
        { "+sin(x)", "x sin " },
        { "a = 2*x", "a 2 x * = " },
        { "a and not b", "a b not and " },
        { "not a and b", "a not b and " },
        { "x div y mod 2", "x y \\ 2 % " },
        { "1 < 2 and 3 ge 2", "1 2 < 3 2 >= and " },
        { "-2^2", "-2 2 ^ " },
        { "2e-3*x", "0.002 x * " },
        { "sin[x]", "x sin " },
        { "x - -1", "x -1 - " },
    };
    for (const auto& [text, postfix] : rows) {
        SCOPED_TRACE(text);
        EXPECT_EQ(Postfix(text), postfix);
    }
}

TEST(Postfix, MendedForms)
{
    // A negated bracket is a negation, like a negated variable.
    EXPECT_EQ(Postfix("-(x+1)"), "0 x 1 + - ");
    EXPECT_EQ(Postfix("2*-(x)"), "2 0 x - * ");
    EXPECT_EQ(Postfix("-(-(x))"), "0 0 x - - ");
    EXPECT_EQ(Postfix("-[|x|]"), "0 x abs - ");
    EXPECT_EQ(Postfix("+(x+1)"), "x 1 + ");
    EXPECT_EQ(Postfix("-(x)^2"), "0 x - 2 ^ ");
    // `not` is a prefix operator wherever it stands.
    EXPECT_EQ(Postfix("2 * not x"), "2 x not * ");
    EXPECT_EQ(Postfix("1 + not 0"), "1 0 not + ");
    EXPECT_EQ(Postfix("not not x"), "x not not ");
}

TEST(Postfix, SignRewritingElements)
{
    // -(x+1) reads [ 0 - ( x + 1 ) ], the owed ] after the matching closer.
    const TExpressionArray e = ResolveSigns(Classify(GlueSigns(Tokenize("-(x+1)*2"))));
    std::string text;
    for (int i = 0; i < e.Count(); ++i)
        text += ElementText(e[i]) + " ";
    EXPECT_EQ(text, "[ 0 - ( x + 1 ) ] * 2 ");
    const TExpressionArray f = ResolveSigns(Classify(GlueSigns(Tokenize("-sin(-cos(x))"))));
    text.clear();
    for (int i = 0; i < f.Count(); ++i)
        text += ElementText(f[i]) + " ";
    EXPECT_EQ(text, "[ 0 - sin ( [ 0 - cos ( x ) ] ) ] ");
}

TEST(Postfix, NestingOfFunctionsIsBounded)
{
    std::string twenty;
    std::string closers;
    for (int i = 0; i < 20; ++i) {
        twenty += "sin(";
        closers += ")";
    }
    EXPECT_EQ(CompileMessage(twenty + "x" + closers), "");
    EXPECT_EQ(CompileMessage("cos(" + twenty + "x" + closers + ")"),
        "(Sintax Error)İmla hatası => sin fonksiyonu ile iç içe 20'den fazla fonksiyon "
        "kullanılamaz");
    // Twenty-one functions side by side are not nested.
    std::string sum = "x";
    for (int i = 0; i < 25; ++i)
        sum += "+sin(x)";
    EXPECT_EQ(CompileMessage(sum), "");
}

TEST(SetText, FailureKeepsTheTextAndThePreviousFormula)
{
    TVariableMemory memory;
    TFonksiyon f;
    f.SetMemory(&memory);
    f.SetText("x*2");
    memory.SetValue("x", 4);
    EXPECT_EQ(f.Evaluate(), 8);
    memory.Add("other");

    EXPECT_THROW(f.SetText("x y"), EFonksiyonError);
    EXPECT_EQ(f.GetText(), "x y");
    EXPECT_EQ(f.PostfixText(), "x 2 * ");
    EXPECT_EQ(memory.Count(), 0) << "the table is emptied by every SetText";

    // Failing after some names were registered still leaves the table empty.
    std::string deep = "a+b+";
    for (int i = 0; i < 21; ++i)
        deep += "sin(";
    deep += "x";
    for (int i = 0; i < 21; ++i)
        deep += ")";
    EXPECT_THROW(f.SetText(deep), EFonksiyonError);
    EXPECT_EQ(memory.Count(), 0);

    // Only the empty text clears the compiled form.
    EXPECT_THROW(f.SetText(""), EFonksiyonError);
    EXPECT_EQ(f.PostfixText(), "");
    EXPECT_EQ(f.GetText(), "");
}

TEST(SetText, RegistersExactlyTheFormulasVariables)
{
    TVariableMemory memory;
    memory.Add("q");
    memory.Add("z");
    TFonksiyon f;
    f.SetMemory(&memory);
    f.SetText("sin(x)*A + x");
    ASSERT_EQ(memory.Count(), 2);
    EXPECT_EQ(memory.Items(0).Name, "a");
    EXPECT_EQ(memory.Items(1).Name, "x");
    EXPECT_EQ(memory.GetValue("a"), 0);

    f.SetText("a = 2*x");
    EXPECT_EQ(memory.Count(), 2);
    EXPECT_EQ((std::vector<std::string> { "a", "x" }), f.VariableNames());

    // Formulas sharing a table: the last SetText empties it; RegisterVariables
    // puts back the names of the others.
    TFonksiyon g;
    g.SetMemory(&memory);
    g.SetText("t+1");
    EXPECT_EQ(memory.IndexOf("x"), -1);
    f.RegisterVariables();
    EXPECT_EQ(memory.Count(), 3);
    memory.SetValue("x", 5);
    EXPECT_EQ(f.Evaluate(), 10);
    EXPECT_EQ(memory.GetValue("a"), 10);
}

TEST(CompileErrors, UnknownTokenCarriesItsPlace)
{
    const struct {
        const char* Text;
        const char* Token;
        int Position;
    } rows[] = {
        { "sin(x) + 4,5*XYZ#", "xyz#", 13 }, { "x1 + 1.5", "1.5", 5 }, { "a|b", "|", 1 },
        { "ab + b.c", "b.c", 5 }, // the whole run, not the "b" inside "ab"
    };
    SeparatorScope turkish(',');
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Text);
        TVariableMemory memory;
        TFonksiyon f;
        f.SetMemory(&memory);
        try {
            f.SetText(row.Text);
            ADD_FAILURE() << "compiled";
        } catch (const EFonksiyonError& e) {
            EXPECT_EQ(e.Message(), std::string("Bilinmeyen bir ifade => ") + row.Token);
            EXPECT_EQ(e.Token(), row.Token);
            EXPECT_EQ(e.TokenPosition(), row.Position);
            EXPECT_EQ(e.TokenLength(), static_cast<int>(std::string(row.Token).size()));
            EXPECT_EQ(e.Formula(), -1);
        }
    }
    // A message that names no single token carries no place.
    try {
        Formula("(x");
        ADD_FAILURE() << "compiled";
    } catch (const EFonksiyonError& e) {
        EXPECT_EQ(e.TokenPosition(), -1);
    }
}
