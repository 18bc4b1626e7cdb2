// SPDX-License-Identifier: GPL-3.0-or-later
// Formulas come from files that anyone can edit: whatever their size or
// shape, setting and evaluating them must end in a value, a reported syntax
// error or an EvaluationError, never in a stack overflow.

#include "evaluator_test_support.h"

#include <functional>

#if defined(__unix__) || defined(__APPLE__)
#include <pthread.h>
#define QUORVIA_HAS_PTHREAD 1
#endif

namespace quorvia::test {
namespace {

// Long sums, products and power chains must cost no stack in proportion to
// their length. The main thread's stack is large enough to hide one call per
// term, so such work runs on a thread whose stack is far too small for that.
void runOnSmallStack(const std::function<void()>& work) {
#ifdef QUORVIA_HAS_PTHREAD
    struct Job {
        const std::function<void()>* work;
        static void* run(void* self) {
            try {
                (*static_cast<Job*>(self)->work)();
            } catch (const std::exception& error) {
                ADD_FAILURE() << "unexpected exception: " << error.what();
            }
            return nullptr;
        }
    } job{&work};
    pthread_attr_t attributes;
    pthread_attr_init(&attributes);
    pthread_attr_setstacksize(&attributes, 256 * 1024);
    pthread_t thread;
    ASSERT_EQ(pthread_create(&thread, &attributes, &Job::run, &job), 0);
    pthread_join(thread, nullptr);
    pthread_attr_destroy(&attributes);
#else
    work();
#endif
}

std::string repeated(const std::string& piece, int times) {
    std::string text;
    text.reserve(piece.size() * static_cast<std::size_t>(times));
    for (int i = 0; i < times; ++i) text += piece;
    return text;
}

std::string nested(const std::string& open, const std::string& inner, int levels) {
    return repeated(open, levels) + inner + std::string(static_cast<std::size_t>(levels), ')');
}

class HostileInput : public ::testing::Test {
protected:
    ScopedDecimalSeparator comma_{','};
    RecordingEvaluator evaluator_;
    TCalcExpress& calc_ = evaluator_.calc;

    void expectReportedError(const std::string& formula) {
        evaluator_.messages.clear();
        calc_.setFormula(formula);
        EXPECT_FALSE(calc_.hasTree());
        EXPECT_EQ(evaluator_.messages, std::vector<std::string>{"Error in formula."});
    }
};

TEST_F(HostileInput, HundredThousandOpenParentheses) {
    expectReportedError(std::string(100000, '('));
    EXPECT_EQ(calc_.syntaxError().reason, "Formula nested too deeply");
}

TEST_F(HostileInput, NestingUpToTheLimitIsAccepted) {
    calc_.setFormula(nested("(", "1+2*3^2", 1000));
    ASSERT_TRUE(calc_.hasTree());
    EXPECT_EQ(calc_.evaluate(elevenValues()), 19.0L);
    expectReportedError(nested("(", "1", 1001));
    EXPECT_EQ(calc_.syntaxError().reason, "Formula nested too deeply");
}

TEST_F(HostileInput, DeeplyNestedFunctionsAndNegations) {
    expectReportedError(nested("abs(", "1", 100000));
    calc_.setFormula(nested("(-", "1", 1000));
    ASSERT_TRUE(calc_.hasTree());
    EXPECT_EQ(calc_.evaluate(elevenValues()), 1.0L);
}

TEST_F(HostileInput, LongSumBuildsAndEvaluatesWithoutDeepRecursion) {
    runOnSmallStack([this] {
        calc_.setFormula("1" + repeated("+1", 50000));
        ASSERT_TRUE(calc_.hasTree());
        EXPECT_EQ(calc_.evaluate(elevenValues()), 50001.0L);
        calc_.setFormula("2");  // frees the long tree
        EXPECT_EQ(calc_.evaluate(elevenValues()), 2.0L);
    });
}

TEST_F(HostileInput, LongProductAndPowerChains) {
    runOnSmallStack([this] {
        calc_.setFormula("1" + repeated("*1", 50000));
        EXPECT_EQ(calc_.evaluate(elevenValues()), 1.0L);
        calc_.setFormula("1" + repeated("^2", 50000));
        EXPECT_EQ(calc_.evaluate(elevenValues()), 1.0L);
        calc_.setVariables({"a"});
        calc_.setFormula("a" + repeated("-a*a^1", 30000));
        EXPECT_EQ(calc_.evaluate(elevenValues({1})), -29999.0L);
    });
}

TEST_F(HostileInput, LongSumWithAFaultAtItsEnd) {
    runOnSmallStack([this] {
        calc_.setFormula(repeated("1+", 50000) + "1/0");
        EXPECT_THROW(calc_.evaluate(elevenValues()), EvaluationError);
    });
}

// The half-built tree is dropped while the error unwinds the parser.
TEST_F(HostileInput, LongSumWithASyntaxErrorAtItsEnd) {
    runOnSmallStack([this] {
        expectReportedError(repeated("1+", 50000));
        expectReportedError(repeated("2^", 50000));
    });
}

TEST_F(HostileInput, DestroyingALongTree) {
    runOnSmallStack([] {
        auto calc = std::make_unique<TCalcExpress>();
        calc->setFormula(repeated("1-", 50000) + "1");
        ASSERT_TRUE(calc->hasTree());
        calc.reset();
    });
}

TEST_F(HostileInput, HugeNumberParsesButDoesNotConvert) {
    calc_.setFormula("1" + std::string(100000, '0'));
    ASSERT_TRUE(calc_.hasTree());
    EXPECT_THROW(calc_.evaluate(elevenValues()), ConversionError);
}

TEST_F(HostileInput, LongNamesAndLongRunsOfSpaces) {
    calc_.setFormula(std::string(100000, 'q') + "+1");
    EXPECT_EQ(calc_.evaluate(elevenValues()), 1.0L);
    expectReportedError(std::string(100000, ' '));
}

TEST_F(HostileInput, EveryByteValue) {
    for (int byte = 1; byte < 256; ++byte) {
        const char c = static_cast<char>(byte);
        calc_.setFormula(std::string("1") + c + "2");
        calc_.setFormula(std::string(1, c));
        calc_.setFormula(std::string("(") + c);
    }
    calc_.setFormula(std::string("1\0+2", 4));
    EXPECT_FALSE(calc_.hasTree());
}

}  // namespace
}  // namespace quorvia::test
