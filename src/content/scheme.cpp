// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/scheme.h"

namespace quorvia {

namespace {
struct SchemeFacts {
    Scheme scheme;
    const char* name;
    int code;
    int steps;
    int operation_step;
    bool second_formula;
    int formula_numbers;
    int first_data_index;
};

constexpr SchemeFacts kSchemes[] = {
    {Scheme::S3, "3", 3, 5, 4, false, 2, 0},
    {Scheme::S4a, "4a", 41, 8, 7, true, 4, 1},
    {Scheme::S4b, "4b", 42, 9, 7, true, 3, 1},
    {Scheme::S5, "5", 5, 6, 5, true, 2, 0},
};

const SchemeFacts& facts(Scheme scheme) {
    for (const auto& f : kSchemes)
        if (f.scheme == scheme) return f;
    return kSchemes[0];
}
}  // namespace

int schemeCode(Scheme scheme) { return facts(scheme).code; }

bool schemeFromCode(int code, Scheme& scheme) {
    for (const auto& f : kSchemes) {
        if (f.code == code) {
            scheme = f.scheme;
            return true;
        }
    }
    return false;
}

const char* schemeName(Scheme scheme) { return facts(scheme).name; }

const char* modeName(Mode mode) { return mode == Mode::Beginner ? "principiante" : "avanzato"; }

int stepCount(Scheme scheme) { return facts(scheme).steps; }
int operationStep(Scheme scheme) { return facts(scheme).operation_step; }
bool hasSecondFormula(Scheme scheme) { return facts(scheme).second_formula; }
int formulaNumbers(Scheme scheme) { return facts(scheme).formula_numbers; }
int firstDataIndex(Scheme scheme) { return facts(scheme).first_data_index; }

}  // namespace quorvia
