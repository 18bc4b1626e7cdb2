#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Sanity check of the bundled problem files in resources/RISORSE.

Solves every problem the way the program will (formulas in the child's
notation, numbers compared as texts in the general number format with the
comma) and looks for the mistakes that are easy to make by hand: a count in
GENERALE.INI that does not match the file, a missing key, a result that does
not fit a number box, an answer sentence with another number, two variants
that the program cannot tell apart, a missing picture, a DATO<n>_VALORE that
differs from its formula, an R1 that mixes operators, a "|" in a caption that
shows it as it is, a file that is not UTF-8 with CR LF line endings.

Usage: tools/check_bundled_problems.py [RISORSE folder]
Exit status 0 when everything is fine, 1 otherwise.
"""

import os
import re
import sys
from fractions import Fraction

HERE = os.path.dirname(os.path.abspath(__file__))
DEFAULT_FOLDER = os.path.join(HERE, "..", "resources", "RISORSE")

# Per scheme: steps, the sentence keys of each step, the caption keys, the
# captions whose label shows a "|" as it is (so none may hold one), whether
# there is a second formula and whether the window reads DATO<n>_VALORE.
SCHEMES = {
    1: dict(name="3", steps=5, captions=["MSG_DATO1", "MSG_DATO2"], r2=False,
            single_line=[], values=False,
            sentences={1: "DOMANDA{k}", 2: "DATO1_TESTO{k}", 3: "DATO2_TESTO{k}",
                       5: "RISPOSTA{k}"}),
    2: dict(name="4a", steps=8, r2=True, values=True,
            captions=["MSG_DATO%d" % d for d in range(1, 6)] + ["MSG_RISULTATO_PARZIALE"],
            single_line=["MSG_DATO%d" % d for d in range(1, 5)] + ["MSG_RISULTATO_PARZIALE"],
            sentences=dict([(1, "DOMANDA{k}"), (8, "RISPOSTA{k}")] +
                           [(d + 1, "DATO%d_TESTO{k}" % d) for d in range(1, 6)])),
    3: dict(name="4b", steps=9, r2=True, values=True,
            captions=["MSG_DATO%d" % d for d in range(1, 5)] + ["MSG_RISULTATO_PARZIALE"],
            single_line=["MSG_DATO%d" % d for d in range(1, 4)] + ["MSG_RISULTATO_PARZIALE"],
            sentences=dict([(1, "DOMANDA1_{k}"), (2, "DOMANDA2_{k}"),
                            (8, "RISPOSTA1_{k}"), (9, "RISPOSTA2_{k}")] +
                           [(d + 2, "DATO%d_TESTO{k}" % d) for d in range(1, 5)])),
    4: dict(name="5", steps=6, r2=True, single_line=[], values=False,
            captions=["MSG_DATO1", "MSG_DATO2", "MSG_DATO3", "MSG_RISULTATO_PARZIALE"],
            sentences={1: "DOMANDA{k}", 2: "DATO1_TESTO{k}", 3: "DATO2_TESTO{k}",
                       4: "DATO3_TESTO{k}", 6: "RISPOSTA{k}"}),
}
COMMON_KEYS = ["TESTO", "HELP_GENERALE", "R1", "MSG_RISULTATO_FINALE"]
PROGRAM_KEYS = ["MSG_USCITA", "MSG_RISOLTO_DA", "MSG_RISOLTO_CON", "BTN_VERIFICA",
                "BTN_SOLUZIONE"]


def read_ini(path):
    """Sections of an INI file as {SECTION: {KEY: value}}, names upper-cased."""
    with open(path, "rb") as f:
        raw = f.read()
    if raw.startswith(b"\xef\xbb\xbf"):
        raise ValueError("%s: starts with a byte order mark" % path)
    if raw.replace(b"\r\n", b"").count(b"\n") or raw.replace(b"\r\n", b"").count(b"\r"):
        raise ValueError("%s: a line does not end with CR LF" % path)
    text = raw.decode("utf-8")  # the bundled files are UTF-8; fail loudly otherwise
    sections, current = {}, None
    for line in text.splitlines():
        stripped = line.strip()
        if stripped.startswith("[") and stripped.endswith("]"):
            current = sections.setdefault(stripped[1:-1].upper(), {})
        elif "=" in line and current is not None and not stripped.startswith(";"):
            key, value = line.split("=", 1)
            key = key.strip().upper()
            if key in current:
                raise ValueError("%s: key %s written twice" % (path, key))
            current[key] = value.strip()
    return sections


def normalize(text):
    return "".join(chr(ord(c) - 32) if "a" <= c <= "z" else c for c in text if c != " ")


def general(value):
    """The general number format with the comma: 36, 7,5, 3,33333333333333."""
    return ("%.15g" % float(value)).replace(".", ",")


def evaluate(formula):
    """Value of a formula of numbers and + - * / with the usual precedence."""
    tokens = re.findall(r"\d+(?:,\d+)?|[-+*/]", formula)
    if "".join(tokens) != formula:
        raise ValueError("cannot read formula %r" % formula)
    values, ops = [], []
    for tok in tokens:
        if tok in "+-*/":
            ops.append(tok)
        else:
            number = Fraction(tok.replace(",", "."))
            if ops and ops[-1] in "*/":
                op = ops.pop()
                number = values.pop() * number if op == "*" else values.pop() / number
            values.append(number)
    result = values[0]
    for op, number in zip(ops, values[1:]):
        result = result + number if op == "+" else result - number
    return result


def prepared(formula):
    return normalize(formula).replace("X", "*").replace(":", "/")


def numbers_in(formula):
    return [Fraction(p.replace(",", ".")) for p in re.split(r"[-+*/]", formula)]


def mentions(sentence, number_text):
    return re.search(r"(?<![\d,])%s(?!\d|,\d)" % re.escape(number_text), sentence) is not None


def check_problem(errors, where, section, scheme, advanced, folder):
    facts = SCHEMES[scheme]
    for key in COMMON_KEYS + facts["captions"]:
        if not section.get(key):
            errors.append("%s: missing %s" % (where, key))
    for s in range(1, facts["steps"] + 1):
        for key in ("MSG_HELP%d" % s, "VERIFICA_MSG_NO%d" % s):
            if not section.get(key):
                errors.append("%s: missing %s" % (where, key))
    for key, value in section.items():
        if len(value) > 2047:
            errors.append("%s: %s longer than 2047 characters" % (where, key))
    for key in facts["single_line"]:
        if "|" in section.get(key, ""):
            errors.append("%s: %s has a \"|\" that its label shows as it is" % (where, key))
    picture = section.get("JPG_PROBLEMA")
    if picture and not os.path.isfile(os.path.join(folder, picture)):
        errors.append("%s: picture %s not found" % (where, picture))

    # The numbers the scheme compares, in the order the data steps state them.
    r1 = prepared(section.get("R1", ""))
    partial = evaluate(r1)
    data = numbers_in(r1)
    # The operator labels of the first operation all show one sign.
    if len(set(re.findall(r"[-+*/]", r1))) > 1:
        errors.append("%s: R1 %r mixes operators, the scheme shows one sign" % (where, r1))
    final = partial
    if facts["r2"]:
        r2 = prepared(section.get("R2", ""))
        parts = re.split(r"[-+*/]", r2)
        if len(parts) != 2 or "R1" not in parts:
            errors.append("%s: R2 %r is not 'number op R1' or 'R1 op number'" % (where, r2))
            return
        other = parts[1] if parts[0] == "R1" else parts[0]
        data.append(Fraction(other.replace(",", ".")))
        final = evaluate(r2.replace("R1", general(partial), 1))
    expected_data = {1: 2, 2: 5, 3: 4, 4: 3}[scheme]
    if len(data) != expected_data:
        errors.append("%s: the formulas hold %d numbers, the scheme shows %d"
                      % (where, len(data), expected_data))
    for value in set([partial, final] + data):
        if len(general(value)) > 10:
            errors.append("%s: %s does not fit a number box" % (where, general(value)))
        if value < 0:
            errors.append("%s: %s is negative" % (where, general(value)))
    if facts["values"]:
        # The load reads DATO<n>_VALORE, then the formulas overwrite the
        # entries they reach: the two must tell the same data.
        for n, number in enumerate(data, 1):
            key = "DATO%d_VALORE" % n
            written = section.get(key)
            if written is None:
                errors.append("%s: missing %s" % (where, key))
            elif not re.fullmatch(r"\d+(,\d+)?", written):
                errors.append("%s: %s %r is not a number with the comma" % (where, key, written))
            elif Fraction(written.replace(",", ".")) != number:
                errors.append("%s: %s is %s, the formulas say %s"
                              % (where, key, written, general(number)))

    # Variant 1 of every sentence step, then the variants among themselves.
    data_steps = sorted(s for s, key in facts["sentences"].items() if key.startswith("DATO"))
    for s, key in facts["sentences"].items():
        variants = [section.get(key.format(k=k), "") for k in range(1, 6)]
        if not all(variants):
            errors.append("%s: step %d has fewer than five variants" % (where, s))
            continue
        if key.startswith("DATO"):
            number = data[data_steps.index(s)]
            must = [general(number)]
        elif key.startswith("RISPOSTA"):
            # Scheme 4b answers its first question with the partial result.
            first_of_two = scheme == 3 and key.startswith("RISPOSTA1")
            must = [general(partial if first_of_two else final)]
        else:
            must = []
            # The question as the text asks it.
            if variants[0] not in section.get("TESTO", ""):
                errors.append("%s: %s1 is not a question of TESTO" % (where, key.format(k="")))
        for text in must:
            if not mentions(variants[0], text):
                errors.append("%s: %s1 does not say %s" % (where, key.format(k=""), text))
        if advanced:
            for k, v in enumerate(variants, 1):
                if len(v) > 200:  # the sentence boxes take 200 characters
                    errors.append("%s: %s is too long to type" % (where, key.format(k=k)))
        normalized = [normalize(v) for v in variants]
        if len(set(normalized)) != 5:
            errors.append("%s: step %d has variants the check cannot tell apart"
                          % (where, s))
        if advanced:
            for text in must:
                for k, v in enumerate(variants[1:], 2):
                    if not mentions(v, text):
                        errors.append("%s: %s does not say %s"
                                      % (where, key.format(k=k), text))


def main():
    folder = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else DEFAULT_FOLDER)
    errors = []
    general_ini = read_ini(os.path.join(folder, "GENERALE.INI"))
    for mode, advanced in (("PRINCIPIANTE", False), ("AVANZATO", True)):
        for scheme in SCHEMES:
            name = general_ini[mode]["INI_FILE%d" % scheme]
            count = int(general_ini[mode]["MAX%d" % scheme])
            path = os.path.join(folder, name)
            try:
                sections = read_ini(path)
            except (OSError, ValueError) as error:
                errors.append(str(error))
                continue
            for key in PROGRAM_KEYS:
                if not sections.get("AREA_PROGRAMMA", {}).get(key):
                    errors.append("%s: AREA_PROGRAMMA lacks %s" % (name, key))
            problems = [s for s in sections if s.startswith("PROBLEMA_")]
            if sorted(problems) != sorted("PROBLEMA_%d" % n for n in range(1, count + 1)):
                errors.append("%s: MAX%d is %d but the file has %s"
                              % (name, scheme, count, ", ".join(sorted(problems))))
            if count > 20:
                errors.append("%s: more than 20 problems" % name)
            for section in problems:
                try:
                    check_problem(errors, "%s [%s]" % (name, section), sections[section],
                                  scheme, advanced, folder)
                except (ValueError, ZeroDivisionError) as error:
                    errors.append("%s [%s]: %s" % (name, section, error))
            print("%-16s %2d problems" % (name, len(problems)))
    for error in errors:
        print("ERROR", error)
    print("%d errors" % len(errors))
    return 1 if errors else 0


if __name__ == "__main__":
    sys.exit(main())
