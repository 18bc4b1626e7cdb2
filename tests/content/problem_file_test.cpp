// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/problem_file.h"

#include "evaluator/decimal_number.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quorvia {
namespace {

// Problem files are written for an Italian locale: numbers use the comma.
class ProblemFileTest : public ::testing::Test {
private:
    ScopedDecimalSeparator comma_{','};
};

const Scheme kAllSchemes[] = {Scheme::S3, Scheme::S4a, Scheme::S4b, Scheme::S5};

TEST_F(ProblemFileTest, MissingSectionGivesEveryDefault) {
    const IniFile file = IniFile::parse("[PROBLEMA_1]\nTESTO=Uno\nR1=1+2\nR2=R1x2\n");
    for (Scheme scheme : kAllSchemes) {
        SCOPED_TRACE(schemeCode(scheme));
        const ProblemContent p = readProblem(file, 2, scheme);
        EXPECT_EQ(p.text, "???");
        EXPECT_EQ(p.picture, "");
        EXPECT_EQ(p.general_help, "?");
        EXPECT_EQ(p.r1, "");
        EXPECT_EQ(p.r2, "");
        for (std::size_t n = 1; n <= 5; ++n) EXPECT_EQ(p.data_captions[n], "?") << n;
        EXPECT_EQ(p.partial_caption, "?");
        EXPECT_EQ(p.partial_caption_on_jolly, "?");
        EXPECT_EQ(p.final_caption, "?");
        for (int s = 1; s <= stepCount(scheme); ++s) {
            const auto step = static_cast<std::size_t>(s);
            const std::string expected = s == operationStep(scheme) ? "" : "?";
            for (std::size_t k = 1; k <= kVariants; ++k)
                EXPECT_EQ(p.variants[step][k], expected) << "step " << s << " variant " << k;
            EXPECT_EQ(p.hints[step], "") << s;
            EXPECT_EQ(p.error_messages[step], "?") << s;
        }
        for (std::size_t n = 1; n <= 10; ++n) EXPECT_EQ(p.data_numbers[n], 0.0L) << n;
    }
}

TEST_F(ProblemFileTest, MissingFileGivesProgramTextDefaults) {
    const ProgramTexts texts = readProgramTexts(IniFile());
    EXPECT_EQ(texts.exit_question, "???");
    EXPECT_EQ(texts.solved_alone_text, "?");
    EXPECT_EQ(texts.solved_with_help_text, "?");
    EXPECT_EQ(texts.verifica_caption, "?");
    EXPECT_EQ(texts.solution_caption, "?");
}

TEST_F(ProblemFileTest, ReadsProgramTexts) {
    const IniFile file = IniFile::parse(
        "[AREA_PROGRAMMA]\r\n"
        "MSG_USCITA=Vuoi uscire?|Davvero?\r\n"
        "MSG_RISOLTO_DA=ha risolto da solo\r\n"
        "MSG_RISOLTO_CON=ha risolto con l'aiuto\r\n"
        "BTN_VERIFICA=Verifica\r\n"
        "BTN_SOLUZIONE=Soluzione\r\n");
    const ProgramTexts texts = readProgramTexts(file);
    EXPECT_EQ(texts.exit_question, "Vuoi uscire?|Davvero?");
    EXPECT_EQ(texts.solved_alone_text, "ha risolto da solo");
    EXPECT_EQ(texts.solved_with_help_text, "ha risolto con l'aiuto");
    EXPECT_EQ(texts.verifica_caption, "Verifica");
    EXPECT_EQ(texts.solution_caption, "Soluzione");
}

TEST_F(ProblemFileTest, ReadsTheSectionOfItsOwnNumber) {
    const IniFile file = IniFile::parse(
        "[PROBLEMA_1]\nTESTO=uno\n[PROBLEMA_12]\nTESTO=dodici\n[PROBLEMA_2]\nTESTO=due\n");
    EXPECT_EQ(readProblem(file, 1, Scheme::S3).text, "uno");
    EXPECT_EQ(readProblem(file, 2, Scheme::S3).text, "due");
    EXPECT_EQ(readProblem(file, 12, Scheme::S3).text, "dodici");
}

TEST_F(ProblemFileTest, LineBreaksInTextAndGeneralHelpOnly) {
    const IniFile file = IniFile::parse(
        "[PROBLEMA_1]\n"
        "TESTO=Luca ha 12 figurine.|Quante ne ha?\n"
        "HELP_GENERALE=Leggi bene|poi conta||e scrivi\n"
        "JPG_PROBLEMA=foto|1.jpg\n"
        "R1=12|3\n"
        "MSG_HELP1=prima|poi\n"
        "VERIFICA_MSG_NO1=no|riprova\n"
        "DOMANDA1=quante|figurine\n");
    const ProblemContent p = readProblem(file, 1, Scheme::S3);
    EXPECT_EQ(p.text, "Luca ha 12 figurine.\nQuante ne ha?");
    EXPECT_EQ(p.general_help, "Leggi bene\npoi conta\n\ne scrivi");
    EXPECT_EQ(p.picture, "foto|1.jpg");
    EXPECT_EQ(p.r1, "12|3");
    EXPECT_EQ(p.hints[1], "prima|poi");
    EXPECT_EQ(p.error_messages[1], "no|riprova");
    EXPECT_EQ(p.variants[1][1], "quante|figurine");
}

// Every caption of the operation scheme holds "|"; each scheme turns it into
// a line break only where its labels have room for two lines.
struct CaptionBreakRow {
    const char* name;
    Scheme scheme;
    std::vector<std::string> data;  // MSG_DATO1..5
    std::string partial;
    std::string jolly;
    std::string final_caption;
};

TEST_F(ProblemFileTest, CaptionLineBreaksFollowTheScheme) {
    const IniFile file = IniFile::parse(
        "[PROBLEMA_1]\n"
        "MSG_DATO1=d|1\nMSG_DATO2=d|2\nMSG_DATO3=d|3\nMSG_DATO4=d|4\nMSG_DATO5=d|5\n"
        "MSG_RISULTATO_PARZIALE=p|r\nMSG_RISULTATO_FINALE=f|r\n");
    const CaptionBreakRow rows[] = {
        {"scheme3", Scheme::S3, {"d\n1", "d\n2", "?", "?", "?"}, "?", "?", "f\nr"},
        {"scheme4a", Scheme::S4a, {"d|1", "d|2", "d|3", "d|4", "d\n5"}, "p|r", "p\nr", "f\nr"},
        {"scheme4b", Scheme::S4b, {"d|1", "d|2", "d|3", "d\n4", "?"}, "p|r", "p\nr", "f\nr"},
        {"scheme5", Scheme::S5, {"d\n1", "d\n2", "d\n3", "?", "?"}, "p\nr", "p\nr", "f\nr"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const ProblemContent p = readProblem(file, 1, row.scheme);
        for (std::size_t n = 1; n <= 5; ++n)
            EXPECT_EQ(p.data_captions[n], row.data[n - 1]) << "MSG_DATO" << n;
        EXPECT_EQ(p.partial_caption, row.partial);
        EXPECT_EQ(p.partial_caption_on_jolly, row.jolly);
        EXPECT_EQ(p.final_caption, row.final_caption);
    }
}

struct VariantKeyRow {
    const char* name;
    Scheme scheme;
    int step;
    int variant;
    const char* key;
};

TEST(VariantKeyTest, KeysOfEachScheme) {
    const VariantKeyRow rows[] = {
        {"scheme3_question", Scheme::S3, 1, 1, "DOMANDA1"},
        {"scheme3_second_datum", Scheme::S3, 3, 2, "DATO2_TESTO2"},
        {"scheme3_operation_step", Scheme::S3, 4, 1, ""},
        {"scheme3_answer", Scheme::S3, 5, 5, "RISPOSTA5"},
        {"scheme3_past_last_step", Scheme::S3, 6, 1, ""},
        {"scheme4a_fifth_datum", Scheme::S4a, 6, 5, "DATO5_TESTO5"},
        {"scheme4a_operation_step", Scheme::S4a, 7, 3, ""},
        {"scheme4a_answer", Scheme::S4a, 8, 1, "RISPOSTA1"},
        {"scheme4b_first_question", Scheme::S4b, 1, 3, "DOMANDA1_3"},
        {"scheme4b_second_question", Scheme::S4b, 2, 4, "DOMANDA2_4"},
        {"scheme4b_first_datum", Scheme::S4b, 3, 1, "DATO1_TESTO1"},
        {"scheme4b_fourth_datum", Scheme::S4b, 6, 2, "DATO4_TESTO2"},
        {"scheme4b_operation_step", Scheme::S4b, 7, 1, ""},
        {"scheme4b_first_answer", Scheme::S4b, 8, 1, "RISPOSTA1_1"},
        {"scheme4b_second_answer", Scheme::S4b, 9, 5, "RISPOSTA2_5"},
        {"scheme5_third_datum", Scheme::S5, 4, 3, "DATO3_TESTO3"},
        {"scheme5_operation_step", Scheme::S5, 5, 1, ""},
        {"scheme5_answer", Scheme::S5, 6, 2, "RISPOSTA2"},
        {"step_zero", Scheme::S3, 0, 1, ""},
        {"step_eleven", Scheme::S4b, 11, 1, ""},
        {"variant_zero", Scheme::S3, 1, 0, ""},
        {"variant_six", Scheme::S3, 1, 6, ""},
    };
    for (const auto& row : rows)
        EXPECT_EQ(variantKey(row.scheme, row.step, row.variant), row.key) << row.name;
}

TEST_F(ProblemFileTest, ReadsTheStepTextsOfScheme4b) {
    const IniFile file = IniFile::parse(
        "[PROBLEMA_3]\n"
        "DOMANDA1_1=Quanti quaderni?\nDOMANDA1_5=quanti quaderni\n"
        "DOMANDA2_2=Quanto spende?\n"
        "DATO4_TESTO3=Ogni quaderno costa 2 euro\n"
        "RISPOSTA2_4=Spende 12 euro\n"
        "MSG_HELP9=aiuto nove\nVERIFICA_MSG_NO9=errore nove\n");
    const ProblemContent p = readProblem(file, 3, Scheme::S4b);
    EXPECT_EQ(p.variants[1][1], "Quanti quaderni?");
    EXPECT_EQ(p.variants[1][5], "quanti quaderni");
    EXPECT_EQ(p.variants[1][2], "?");  // a missing variant
    EXPECT_EQ(p.variants[2][2], "Quanto spende?");
    EXPECT_EQ(p.variants[6][3], "Ogni quaderno costa 2 euro");
    EXPECT_EQ(p.variants[7][1], "");
    EXPECT_EQ(p.variants[9][4], "Spende 12 euro");
    EXPECT_EQ(p.hints[9], "aiuto nove");
    EXPECT_EQ(p.error_messages[9], "errore nove");
}

TEST_F(ProblemFileTest, SecondFormulaOnlyInSchemesThatHaveOne) {
    const IniFile file = IniFile::parse("[PROBLEMA_1]\nR1=12 x 3\nR2=50-R1\n");
    EXPECT_EQ(readProblem(file, 1, Scheme::S3).r2, "");
    for (Scheme scheme : {Scheme::S4a, Scheme::S4b, Scheme::S5}) {
        const ProblemContent p = readProblem(file, 1, scheme);
        EXPECT_EQ(p.r1, "12 x 3");
        EXPECT_EQ(p.r2, "50-R1");
    }
}

TEST_F(ProblemFileTest, KeyAndSectionNamesIgnoreCase) {
    const IniFile file = IniFile::parse(
        "[problema_1]\nTesto=Il testo\nmsg_dato1=primo\nr1=2+2\ndomanda3=terza\n");
    const ProblemContent p = readProblem(file, 1, Scheme::S3);
    EXPECT_EQ(p.text, "Il testo");
    EXPECT_EQ(p.data_captions[1], "primo");
    EXPECT_EQ(p.r1, "2+2");
    EXPECT_EQ(p.variants[1][3], "terza");
}

TEST_F(ProblemFileTest, QuotesAreRemovedAndLongValuesCut) {
    const std::string long_text(3000, 'a');
    const IniFile file = IniFile::parse("[PROBLEMA_1]\nTESTO=\"Tra virgolette|due\"\n"
                                        "HELP_GENERALE=" + long_text + "\n");
    const ProblemContent p = readProblem(file, 1, Scheme::S3);
    EXPECT_EQ(p.text, "Tra virgolette\ndue");
    EXPECT_EQ(p.general_help, std::string(2047, 'a'));
}

struct DataNumberRow {
    const char* name;
    char separator;
    const char* written;  // nullptr: the key is missing
    long double value;
};

TEST_F(ProblemFileTest, DataNumbersUseTheDecimalSeparator) {
    const DataNumberRow rows[] = {
        {"comma_with_comma_separator", ',', "2,5", 2.5L},
        {"comma_with_point_separator", '.', "2,5", 0.0L},
        {"point_with_point_separator", '.', "2.5", 2.5L},
        {"point_with_comma_separator", ',', "2.5", 0.0L},
        {"whole_number", ',', "12", 12.0L},
        {"negative", ',', "-3", -3.0L},
        {"not_a_number", ',', "dodici", 0.0L},
        {"empty", ',', "", 0.0L},
        {"missing", ',', nullptr, 0.0L},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const ScopedDecimalSeparator separator(row.separator);
        std::string text = "[PROBLEMA_1]\n";
        if (row.written) text += std::string("DATO7_VALORE=") + row.written + "\n";
        const ProblemContent p = readProblem(IniFile::parse(text), 1, Scheme::S4a);
        EXPECT_EQ(p.data_numbers[7], row.value);
    }
}

TEST_F(ProblemFileTest, DataNumbersOneToTen) {
    std::string text = "[PROBLEMA_1]\n";
    for (int n = 0; n <= 11; ++n)
        text += "DATO" + std::to_string(n) + "_VALORE=" + std::to_string(n * 10) + "\n";
    const ProblemContent p = readProblem(IniFile::parse(text), 1, Scheme::S4b);
    EXPECT_EQ(p.data_numbers[0], 0.0L);
    for (std::size_t n = 1; n <= 10; ++n) EXPECT_EQ(p.data_numbers[n], n * 10.0L) << n;
}

TEST(LineBreaksTest, EveryBarBecomesABreak) {
    EXPECT_EQ(withLineBreaks(""), "");
    EXPECT_EQ(withLineBreaks("senza"), "senza");
    EXPECT_EQ(withLineBreaks("|a||b|"), "\na\n\nb\n");
}

// The words a class report puts beside a problem's number.
TEST(ProblemOpeningTest, FirstWordsOnOneLine) {
    const IniFile file = IniFile::parse(
        "[PROBLEMA_1]\nTESTO=Luca compra 3 quaderni|da 2 euro l'uno. Quanto spende in tutto?\n"
        "[PROBLEMA_2]\nTESTO=\"  Anna   ha 12 caramelle  \"\n"
        "[PROBLEMA_3]\nTESTO=Unaparolalunghissimachenonfiniscemaiperchèlamaestrahadimenticatoglispaziinmezzo\n"
        "[PROBLEMA_4]\nR1=1+1\n"
        "[PROBLEMA_5]\nTESTO=|||\n");
    const struct {
        const char* name;
        int problem;
        std::string opening;
    } cases[] = {
        {"CutAfterEightWordsWithTheBarAsABlank", 1, "Luca compra 3 quaderni da 2 euro l'uno. …"},
        {"ShortTextWhole", 2, "Anna ha 12 caramelle"},
        {"OneLongWordCutToSixtyCharacters", 3,
         "Unaparolalunghissimachenonfiniscemaiperchèlamaestrahadimenti …"},
        {"NoText", 4, ""},
        {"OnlyBars", 5, ""},
        {"NoSection", 9, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(problemOpening(file, c.problem), c.opening);
    }
}

}  // namespace
}  // namespace quorvia
