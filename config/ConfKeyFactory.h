// Reads the text form of a key tree.
//
// Limits: braces nest at most MAX_NESTING levels deep; a deeper text is a
// lexical error, so that no text can exhaust the stack of the recursive
// reader. The text itself is bounded by whoever loads it (setting files).
#pragma once

#include <memory>
#include <string>
#include <vector>

namespace basic
{

class ConfKeyInterface;
class ConfKeyContentInterface;

class ConfKeyFactory
{
public:
	static constexpr int MAX_NESTING = 64;

	enum Err
	{
		Err_LEXEMES_LEFT = -1015,     // lexemes left after the root key
		Err_STRING_MISSING = -1016,   // string content missing
		Err_LIST_TRUNCATED = -1017,   // list content truncated
		Err_DATA_TRUNCATED = -1018,   // data key truncated or without content
		Err_SUBKEY_MALFORMED = -1019, // sub-key truncated or malformed
		Err_LEXICAL = -1020,          // unclosed quote, stray "}", unclosed "{", too deep
		Err_QUOTE_OPEN = -1021,       // (lexer) a quote still open at the end of a line
		Err_DEPTH_NEGATIVE = -1022,   // (lexer) a "}" without its "{"
		Err_DEPTH_POSITIVE = -1023,   // (lexer) a "{" without its "}"; or nesting too deep
		Err_UNKNOWN_KIND = -1024      // key or content of neither kind
	};

	static ConfKeyFactory &get_instance();

	// A new tree root, or null when the text holds no key. The root comes
	// back even when an error is found after it was made (the caller then has
	// what was read so far); get_last_error() tells.
	std::unique_ptr<ConfKeyInterface> create_key(const std::string &text);
	// Of the last create_key on the calling thread: 0 or an Err code.
	long get_last_error() const;

	struct Lexeme
	{
		std::string text;
		bool quoted;  // a quoted "=" or "{" is text, never syntax
	};
	// Step one of reading, open for tests: 0 or a lexer code (-1021..-1023).
	static long read_lexemes(std::vector<Lexeme> &lexemes, const std::string &text);

private:
	ConfKeyFactory() = default;
};

}  // namespace basic
