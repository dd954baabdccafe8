// Anything of the key tree that writes itself as text.
#pragma once

#include <string>

namespace basic
{

class ConfKeyStreamInterface
{
public:
	// Indentation while writing: three blanks per level.
	class Context
	{
	public:
		void inc_indent_level() noexcept
		{
			++_indent_level;
		}
		void dec_indent_level() noexcept
		{
			--_indent_level;
		}
		int get_indent_level() const noexcept
		{
			return _indent_level;
		}
		std::string get_indent_string() const
		{
			return std::string(size_t(_indent_level > 0 ? _indent_level * 3 : 0), ' ');
		}

	private:
		int _indent_level = 0;
	};

	virtual ~ConfKeyStreamInterface() = default;

	// Appends the text form.
	void write_to_string(std::string &txt) const;
	void write_to_string(std::string &txt, Context &ctx) const
	{
		do_write_to_string(txt, ctx);
	}

	// What separates lexemes in the text, and what stands alone as syntax:
	// one definition for the writer and the reader, so that whatever the
	// writer leaves unquoted reads back as one lexeme.
	static bool is_separator(char c) noexcept
	{
		// The carriage return is one too: files edited elsewhere end their
		// lines with one.
		return c == ' ' || c == '\n' || c == '\t' || c == '\b' || c == '\v' || c == '\r';
	}
	static bool is_syntax(char c) noexcept
	{
		return c == '=' || c == '{' || c == '}';
	}

protected:
	virtual void do_write_to_string(std::string &txt, Context &ctx) const = 0;

	// A name or a string value: in double quotes when it holds a separator
	// or a character the reader takes as syntax, or when it is empty.
	static void write_text(std::string &txt, const std::string &val);
};

}  // namespace basic
