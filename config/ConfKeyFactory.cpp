// Reads key-tree text back into keys: lexer, nesting bound and error codes.
#include "config/ConfKeyFactory.h"

#include "config/ConfKeyContentMulti.h"
#include "config/ConfKeyContentString.h"
#include "config/ConfKeyData.h"
#include "config/ConfKeyMulti.h"

namespace basic
{

namespace
{

// Each thread has its own, so plug-in instances reading settings on two
// threads never see each other's result.
thread_local long last_error = 0;

// The reader over one text's lexemes.
class Reader
{
public:
	explicit Reader(const std::vector<ConfKeyFactory::Lexeme> &lex)
	: _lex(lex)
	{
	}

	std::unique_ptr<ConfKeyInterface> read_root(long &err)
	{
		size_t pos = 0;
		std::unique_ptr<ConfKeyInterface> root = identify(pos);
		err = 0;
		if (root)
		{
			err = read_key(*root, pos);
			if (err == 0 && pos != _lex.size())
			{
				err = ConfKeyFactory::Err_LEXEMES_LEFT;
			}
		}
		return root;
	}

private:
	bool is_syntax(size_t p, const char *s_0) const
	{
		return p < _lex.size() && !_lex[p].quoted && _lex[p].text == s_0;
	}
	size_t left(size_t p) const
	{
		return p < _lex.size() ? _lex.size() - p : 0;
	}

	// The key starting at p, by its first lexemes; null when there is none.
	std::unique_ptr<ConfKeyInterface> identify(size_t p) const
	{
		if (left(p) < 3 || !is_syntax(p + 1, "=") || is_syntax(p, "=") || is_syntax(p, "{") || is_syntax(p, "}") ||
		    !ConfKeyInterface::check_name(_lex[p].text))
		{
			return nullptr;
		}
		if (is_syntax(p + 2, "{") && is_syntax(p + 4, "="))
		{
			return std::unique_ptr<ConfKeyInterface>(new ConfKeyMulti(_lex[p].text));
		}
		return std::unique_ptr<ConfKeyInterface>(new ConfKeyData(_lex[p].text));
	}

	long read_key(ConfKeyInterface &key, size_t &p)
	{
		if (auto *multi_ptr = dynamic_cast<ConfKeyMulti *>(&key))
		{
			return read_key_multi(*multi_ptr, p);
		}
		if (auto *data_ptr = dynamic_cast<ConfKeyData *>(&key))
		{
			return read_key_data(*data_ptr, p);
		}
		return ConfKeyFactory::Err_UNKNOWN_KIND;
	}

	long read_key_data(ConfKeyData &key, size_t &p)
	{
		if (left(p) < 3)
		{
			return ConfKeyFactory::Err_DATA_TRUNCATED;
		}
		p += 2;
		std::unique_ptr<ConfKeyContentInterface> content;
		const long err = read_content(content, p);
		if (content)
		{
			key.set_content(std::move(content));
		}
		return err;
	}

	long read_content(std::unique_ptr<ConfKeyContentInterface> &content, size_t &p)
	{
		if (left(p) < 1)
		{
			return ConfKeyFactory::Err_STRING_MISSING;
		}
		if (is_syntax(p, "="))
		{
			return ConfKeyFactory::Err_UNKNOWN_KIND;
		}
		if (!is_syntax(p, "{"))
		{
			content.reset(new ConfKeyContentString(_lex[p].text));
			++p;
			return 0;
		}
		++p;
		auto *list_ptr = new ConfKeyContentMulti;
		content.reset(list_ptr);
		for (;;)
		{
			if (left(p) < 1)
			{
				return ConfKeyFactory::Err_LIST_TRUNCATED;
			}
			if (is_syntax(p, "}"))
			{
				++p;
				return 0;
			}
			if (left(p) < 2)
			{
				return ConfKeyFactory::Err_LIST_TRUNCATED;
			}
			std::unique_ptr<ConfKeyContentInterface> element;
			const long err = read_content(element, p);
			if (element)
			{
				list_ptr->push_back(std::move(element));
			}
			if (err != 0)
			{
				return err;
			}
		}
	}

	long read_key_multi(ConfKeyMulti &key, size_t &p)
	{
		p += 3;  // name, "=", "{"
		for (;;)
		{
			if (is_syntax(p, "}"))
			{
				++p;
				return 0;
			}
			if (left(p) < 4)
			{
				return ConfKeyFactory::Err_SUBKEY_MALFORMED;
			}
			std::unique_ptr<ConfKeyInterface> sub = identify(p);
			if (!sub)
			{
				return ConfKeyFactory::Err_SUBKEY_MALFORMED;
			}
			const long err = read_key(*sub, p);
			key.push_back(std::move(sub));
			if (err != 0)
			{
				return err;
			}
		}
	}

	const std::vector<ConfKeyFactory::Lexeme> &_lex;
};

}  // namespace

ConfKeyFactory &ConfKeyFactory::get_instance()
{
	static ConfKeyFactory instance;
	return instance;
}

long ConfKeyFactory::get_last_error() const
{
	return last_error;
}

long ConfKeyFactory::read_lexemes(std::vector<Lexeme> &lexemes, const std::string &text)
{
	lexemes.clear();
	int depth = 0;
	size_t line_start = 0;
	while (line_start < text.size())
	{
		size_t line_end = text.find('\n', line_start);
		if (line_end == std::string::npos)
		{
			line_end = text.size();
		}
		bool in_quotes = false;
		bool in_token = false;
		auto flush = [&]() { in_token = false; };
		for (size_t i = line_start; i < line_end; ++i)
		{
			const char c = text[i];
			if (in_quotes)
			{
				if (c == '"')
				{
					in_quotes = false;
					in_token = false;
				}
				else
				{
					lexemes.back().text += c;
				}
				continue;
			}
			if (c == '/' && i + 1 < line_end && text[i + 1] == '/')
			{
				break;  // a comment to the end of the line
			}
			if (c == '"')
			{
				lexemes.push_back({std::string(), true});
				in_quotes = true;
				continue;
			}
			if (ConfKeyStreamInterface::is_syntax(c))
			{
				flush();
				lexemes.push_back({std::string(1, c), false});
				depth += c == '{' ? 1 : c == '}' ? -1 : 0;
				if (depth < 0)
				{
					return Err_DEPTH_NEGATIVE;
				}
				if (depth > MAX_NESTING)
				{
					return Err_DEPTH_POSITIVE;
				}
				continue;
			}
			if (ConfKeyStreamInterface::is_separator(c))
			{
				flush();
				continue;
			}
			if (!in_token)
			{
				lexemes.push_back({std::string(), false});
				in_token = true;
			}
			lexemes.back().text += c;
		}
		if (in_quotes)
		{
			return Err_QUOTE_OPEN;
		}
		line_start = line_end + 1;
	}
	return depth != 0 ? Err_DEPTH_POSITIVE : 0;
}

std::unique_ptr<ConfKeyInterface> ConfKeyFactory::create_key(const std::string &text)
{
	std::vector<Lexeme> lexemes;
	if (read_lexemes(lexemes, text) != 0)
	{
		last_error = Err_LEXICAL;
		return nullptr;
	}
	long err = 0;
	std::unique_ptr<ConfKeyInterface> root = Reader(lexemes).read_root(err);
	last_error = err;
	return root;
}

}  // namespace basic
