// SPDX-License-Identifier: GPL-3.0-or-later
#include "check/lint_common.h"

#include "content/ini_file.h"
#include "content/resource_path.h"
#include "content/text_encoding.h"

#include <map>

namespace quorvia::check {

namespace {

constexpr std::size_t kQuoteLength = 60;

}  // namespace

Finding error(std::string code, std::string file, int line, std::string message)
{
    return {Severity::Error, std::move(code), std::move(file), line, std::move(message)};
}

Finding warning(std::string code, std::string file, int line, std::string message)
{
    return {Severity::Warning, std::move(code), std::move(file), line, std::move(message)};
}

std::string quote(std::string_view text)
{
    const std::string whole(text);
    if (!isValidUtf8(whole) || utf8Length(whole) <= kQuoteLength)
        return "«" + whole + "»";
    return "«" + utf8Prefix(whole, kQuoteLength) + "...»";
}

void addOutsideFolderFinding(const std::string& folder, const std::string& name, const std::string& found,
                             const std::string& what, const std::string& file, int line, std::vector<Finding>& out)
{
    if (found.empty() || !leavesFolder(folder, found))
        return;
    out.push_back(warning("outside-folder", file, line,
                          what + " " + quote(name) + " sta fuori dalla cartella delle risorse (" + quote(found) +
                              "): Quorvia la legge, ma non viaggia con la cartella quando la si copia su un "
                              "altro computer."));
}

std::string fileNameOf(const std::string& path)
{
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string upperAscii(std::string_view text)
{
    std::string out(text);
    for (char& c : out) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return out;
}

bool addFileFindings(const IniOutline& outline, const std::string& file, std::vector<Finding>& out)
{
    if (!outline.is_text) {
        out.push_back(error("not-text", file, 0,
                            "il file non è un testo che Quorvia sappia leggere: contiene byte nulli o di "
                            "controllo (forse è UTF-16 senza BOM, o non è un file di testo). Salvalo come "
                            "testo UTF-8, Windows-1252 (ANSI) o UTF-16 con BOM (Unicode nel Blocco note)."));
        return false;
    }
    if (outline.cut_line > 0) {
        out.push_back(warning("file-cut", file, outline.cut_line,
                              "il file è più grande di " + std::to_string(IniFile::kMaxFileSize / (1024 * 1024)) +
                                  " MB: Quorvia lo legge solo fino a qui, e non vede nulla da questa riga "
                                  "in poi."));
    }
    return true;
}

void addStructureFindings(const IniOutline& outline, const std::string& file, const KnownNames& known,
                          std::vector<Finding>& out)
{
    for (const OutlineKey& key : outline.keys_before_sections) {
        out.push_back(warning("key-outside-section", file, key.line,
                              "la riga " + quote(key.name + "=...") +
                                  " sta prima di ogni sezione: Quorvia non la legge mai."));
    }

    std::map<std::string, int> firstSection;  // upper-case name -> line
    for (const OutlineSection& section : outline.sections) {
        if (!section.closed) {
            out.push_back(warning("header-unclosed", file, section.line,
                                  "alla riga della sezione [" + section.name +
                                      " manca la «]» finale: Quorvia la legge come sezione [" + section.name +
                                      "], ma è meglio chiuderla."));
        }
        const std::string name = upperAscii(section.name);
        const auto seen = firstSection.find(name);
        if (seen != firstSection.end()) {
            out.push_back(warning("duplicate-section", file, section.line,
                                  "la sezione [" + section.name + "] c'è già alla riga " +
                                      std::to_string(seen->second) +
                                      ": Quorvia legge solo la prima e non questa."));
            continue;  // none of its keys is ever read
        }
        firstSection.emplace(name, section.line);
        const bool used = !known.section || known.section(name);
        if (!used) {
            out.push_back(warning("unknown-section", file, section.line,
                                  "Quorvia non usa la sezione [" + section.name +
                                      "]: forse il nome è scritto male?"));
        }

        std::map<std::string, int> firstKey;
        for (const OutlineKey& key : section.keys) {
            const std::string keyName = upperAscii(key.name);
            const auto before = firstKey.find(keyName);
            if (before != firstKey.end()) {
                out.push_back(warning("duplicate-key", file, key.line,
                                      "la chiave " + key.name + " è già scritta alla riga " +
                                          std::to_string(before->second) +
                                          " della stessa sezione: Quorvia legge solo la prima."));
                continue;
            }
            firstKey.emplace(keyName, key.line);
            if (used && known.key && !known.key(name, keyName)) {
                out.push_back(warning("unknown-key", file, key.line,
                                      "Quorvia non usa la chiave " + key.name + " nella sezione [" +
                                          section.name + "]: forse il nome è scritto male?"));
            }
            if (key.length > IniFile::kMaxValueLength) {
                out.push_back(warning("value-cut", file, key.line,
                                      "il valore di " + key.name + " è lungo " +
                                          std::to_string(key.length) + " caratteri: Quorvia ne legge solo " +
                                          std::to_string(IniFile::kMaxValueLength) + "."));
            }
        }
    }
}

}  // namespace quorvia::check
