// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reads a lower-cased formula one token at a time.

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace quorvia {

struct FunctionEntry;

enum class TokenKind {
    None,  // no token read yet
    End,
    Open,
    Close,
    Plus,
    Minus,
    Times,
    Divide,
    Power,
    Number,
    Variable,
    Function,
};

// A formula that cannot be read. `position` is the 1-based place in the
// text where reading stopped.
struct SyntaxFault {
    std::string reason;
    int position;
};

class Tokenizer {
public:
    // `variables` is searched ignoring letter case; the first match wins.
    Tokenizer(std::string_view text, char decimalSeparator, const std::vector<std::string>& variables);

    // Reads the next token. At the end of the text the current kind becomes
    // End and the previous kind stays as it was. Throws SyntaxFault.
    void next();

    TokenKind current() const { return current_; }
    TokenKind previous() const { return previous_; }
    // Number: its text, a leading "-" included for a signed number.
    std::string_view text() const { return text_.substr(start_, length_); }
    int variablePosition() const { return variablePosition_; }  // -1: not a listed name
    const FunctionEntry* function() const { return function_; }
    int position() const { return static_cast<int>(position_) + 1; }

    [[noreturn]] void fail(const char* reason) const;

private:
    void readNumber();
    void readName();
    void shiftTo(TokenKind kind);

    std::string_view text_;
    char separator_;
    const std::vector<std::string>& variables_;
    std::size_t position_ = 0;
    std::size_t start_ = 0;
    std::size_t length_ = 0;
    TokenKind current_ = TokenKind::None;
    TokenKind previous_ = TokenKind::None;
    int variablePosition_ = -1;
    const FunctionEntry* function_ = nullptr;
};

}  // namespace quorvia
