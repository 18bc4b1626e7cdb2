// SPDX-License-Identifier: GPL-3.0-or-later
#include "evaluator/tokenizer.h"

#include "evaluator/functions.h"

namespace quorvia {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isNameStart(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; }
bool isNamePart(char c) { return isNameStart(c) || isDigit(c); }
char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool equalIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

}  // namespace

Tokenizer::Tokenizer(std::string_view text, char decimalSeparator,
                     const std::vector<std::string>& variables)
    : text_(text), separator_(decimalSeparator), variables_(variables) {}

void Tokenizer::fail(const char* reason) const {
    throw SyntaxFault{reason, position()};
}

void Tokenizer::shiftTo(TokenKind kind) {
    previous_ = current_;
    current_ = kind;
}

void Tokenizer::next() {
    while (position_ < text_.size() && text_[position_] == ' ') ++position_;
    start_ = position_;
    length_ = 0;
    if (position_ == text_.size()) {
        current_ = TokenKind::End;
        return;
    }
    const char c = text_[position_];
    TokenKind kind;
    switch (c) {
    case '(': kind = TokenKind::Open; break;
    case ')': kind = TokenKind::Close; break;
    case '+': kind = TokenKind::Plus; break;
    case '*': kind = TokenKind::Times; break;
    case '/': kind = TokenKind::Divide; break;
    case '^': kind = TokenKind::Power; break;
    case '-': {
        // "-" and the digits after it form one number where no operand can
        // stand before it: at the start and right after "(".
        const bool signedNumber = (current_ == TokenKind::None || current_ == TokenKind::Open) &&
                                  position_ + 1 < text_.size() && isDigit(text_[position_ + 1]);
        if (signedNumber) {
            const std::size_t minus = position_++;
            readNumber();
            start_ = minus;
            length_ = position_ - minus;
            shiftTo(TokenKind::Number);
            return;
        }
        kind = TokenKind::Minus;
        break;
    }
    default:
        if (isDigit(c)) {
            readNumber();
            shiftTo(TokenKind::Number);
            return;
        }
        if (isNameStart(c)) {
            readName();
            return;
        }
        fail("Unexpected character");
    }
    ++position_;
    length_ = 1;
    shiftTo(kind);
}

// <number> = <digits> [<separator> <digits>] ["e" ["+" | "-"] <digits>]
void Tokenizer::readNumber() {
    const std::size_t begin = position_;
    const auto skipDigits = [this] {
        while (position_ < text_.size() && isDigit(text_[position_])) ++position_;
    };
    const auto requireDigit = [this] {
        if (position_ >= text_.size() || !isDigit(text_[position_])) fail("Wrong number.");
    };
    skipDigits();
    if (position_ < text_.size() && text_[position_] == separator_) {
        ++position_;
        requireDigit();
        skipDigits();
    }
    if (position_ < text_.size() && (text_[position_] == 'e' || text_[position_] == 'E')) {
        ++position_;
        if (position_ < text_.size() && (text_[position_] == '+' || text_[position_] == '-')) ++position_;
        requireDigit();
        skipDigits();
    }
    start_ = begin;
    length_ = position_ - begin;
}

// <name> = ("a".."z" | "_") {"a".."z" | "0".."9" | "_"}
void Tokenizer::readName() {
    const std::size_t begin = position_;
    while (position_ < text_.size() && isNamePart(text_[position_])) ++position_;
    start_ = begin;
    length_ = position_ - begin;
    const std::string_view name = text();
    function_ = findFunction(name);
    if (function_) {
        shiftTo(TokenKind::Function);
        return;
    }
    variablePosition_ = -1;
    for (std::size_t i = 0; i < variables_.size(); ++i) {
        if (equalIgnoringCase(name, variables_[i])) {
            variablePosition_ = static_cast<int>(i);
            break;
        }
    }
    shiftTo(TokenKind::Variable);
}

}  // namespace quorvia
