// Text utilities.
#include "sys/basic_fnc.h"

#include <cstddef>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace basic
{

namespace
{

inline int up(char c)
{
	return std::toupper(static_cast<unsigned char>(c));
}

inline bool eq_ci(char a, char b)
{
	return up(a) == up(b);
}

// "." optionally followed by asterisks, or asterisks alone: what may be left of
// a pattern once the name is used up. The trailing-asterisk form keeps
// "name*" matching "name".
bool is_dot_star_tail(const char *p)
{
	if (*p == '.')
	{
		++p;
	}
	while (*p == '*')
	{
		++p;
	}
	return *p == '\0';
}

bool match_one(const char *name, const char *pat)
{
	if (*pat == '\0')
	{
		return *name == '\0';
	}
	while (*pat != '\0')
	{
		if (*name == '\0')
		{
			return is_dot_star_tail(pat);
		}
		if (*pat == '?')
		{
			++pat;
			++name;
		}
		else if (*pat == '*')
		{
			const char *star = pat;
			while (*pat == '*')
			{
				++pat;
			}
			long k = 0;
			while (*pat == '?')
			{
				++k;
				++pat;
			}
			if (*pat == '\0')
			{
				return long(std::strlen(name)) >= k;
			}
			if (*pat == '*')
			{
				// "*?*": consume the '?'s and let the next star search.
				if (long(std::strlen(name)) < k)
				{
					return false;
				}
				name += k;
				continue;
			}
			const char *found = nullptr;
			for (const char *s = name; *s != '\0'; ++s)
			{
				if (eq_ci(*s, *pat))
				{
					found = s;
					break;
				}
			}
			if (found == nullptr)
			{
				return std::strcmp(star, "*.*") == 0;
			}
			if (found - name < k)
			{
				return false;
			}
			name = found;
		}
		else
		{
			if (!eq_ci(*pat, *name))
			{
				return false;
			}
			++pat;
			++name;
		}
	}
	return *name == '\0';
}

}  // namespace

std::string gen_string(char c, long n)
{
	return n > 0 ? std::string(size_t(n), c) : std::string();
}

std::string gen_string(const char *s_0, long n)
{
	return gen_string(std::string(s_0 != nullptr ? s_0 : ""), n);
}

std::string gen_string(const std::string &s, long n)
{
	std::string out;
	if (n > 0)
	{
		out.reserve(s.size() * size_t(n));
		for (long i = 0; i < n; ++i)
		{
			out += s;
		}
	}
	return out;
}

std::string to_lcase(const std::string &s)
{
	std::string r(s);
	to_lcase_inplace(r);
	return r;
}

std::string to_ucase(const std::string &s)
{
	std::string r(s);
	to_ucase_inplace(r);
	return r;
}

void to_lcase_inplace(std::string &s)
{
	for (char &c : s)
	{
		c = char(std::tolower(static_cast<unsigned char>(c)));
	}
}

void to_ucase_inplace(std::string &s)
{
	for (char &c : s)
	{
		c = char(up(c));
	}
}

void to_lcase_inplace(char *s_0)
{
	for (; s_0 != nullptr && *s_0 != '\0'; ++s_0)
	{
		*s_0 = char(std::tolower(static_cast<unsigned char>(*s_0)));
	}
}

void to_ucase_inplace(char *s_0)
{
	for (; s_0 != nullptr && *s_0 != '\0'; ++s_0)
	{
		*s_0 = char(up(*s_0));
	}
}

bool is_delimiter(char c, const char *set_0)
{
	return c != '\0' && set_0 != nullptr && std::strchr(set_0, c) != nullptr;
}

bool strcmp_ci(const char *a_0, const char *b_0)
{
	while (*a_0 != '\0' && *b_0 != '\0')
	{
		if (!eq_ci(*a_0, *b_0))
		{
			return false;
		}
		++a_0;
		++b_0;
	}
	return *a_0 == '\0' && *b_0 == '\0';
}

long search_str_ci(const char *needle_0, const char *text_0)
{
	if (*needle_0 == '\0')
	{
		return 0;
	}
	for (long pos = 0; text_0[pos] != '\0'; ++pos)
	{
		long i = 0;
		while (needle_0[i] != '\0' && text_0[pos + i] != '\0' && eq_ci(needle_0[i], text_0[pos + i]))
		{
			++i;
		}
		if (needle_0[i] == '\0')
		{
			return pos;
		}
	}
	return -1;
}

bool str_jump_to_end(char *&p, long &room)
{
	while (room > 0 && *p != '\0')
	{
		++p;
		--room;
	}
	return room < 1;
}

void strncpy_0(char *dst_ptr, const char *src_0, long n)
{
	if (n < 1)
	{
		return;
	}
	long i = 0;
	for (; i < n - 1 && src_0[i] != '\0'; ++i)
	{
		dst_ptr[i] = src_0[i];
	}
	dst_ptr[i] = '\0';
	dst_ptr[n - 1] = '\0';
}

void strncat_0(char *dst_ptr, const char *src_0, long n)
{
	if (n < 1)
	{
		return;
	}
	long len = 0;
	while (len < n - 1 && dst_ptr[len] != '\0')
	{
		++len;
	}
	if (len >= n - 1)
	{
		dst_ptr[n - 1] = '\0';
		return;
	}
	strncpy_0(dst_ptr + len, src_0, n - len);
}

void print_float(char *dst_ptr, double value, int width)
{
	if (width < 1)
	{
		if (width == 0)
		{
			dst_ptr[0] = '\0';
		}
		return;
	}
	char txt[512];
	if (!std::isfinite(value))
	{
		std::snprintf(txt, sizeof(txt), "%s", std::isnan(value) ? "nan" : (value > 0 ? "inf" : "-inf"));
	}
	else
	{
		const double p = std::exp(std::log(10.0) * width);
		if (value < p * 0.01 - 0.5 && value > 0.5 - p * 0.001)
		{
			// Rounded at the last digit that fits, not cut there: a value typed
			// as 399.9 and stored as 399.89999 must not show as 399.8.
			int decimals = 6;
			do
			{
				std::snprintf(txt, sizeof(txt), "%.*f", decimals, value);
				--decimals;
			} while (decimals >= 0 && long(std::strlen(txt)) > width);
			// A cut would leave a point without decimals behind.
			const long len = long(std::strlen(txt));
			if (len > width && txt[width - 1] == '.')
			{
				txt[width - 1] = '\0';
			}
		}
		else
		{
			// Printed from the double: a rounded value beyond the int range stays exact.
			std::snprintf(txt, sizeof(txt), "%.0f", std::floor(value + 0.5));
		}
	}
	strncpy_0(dst_ptr, txt, long(width) + 1);
}

int parse_line(std::deque<std::string> &out, const char *line_0, const char *delim_0)
{
	int count = 0;
	bool in_quotes = false;
	bool in_token = false;
	long start = 0;
	long i = 0;
	for (; line_0[i] != '\0'; ++i)
	{
		const char c = line_0[i];
		if (in_quotes)
		{
			if (!in_token)
			{
				in_token = true;
				start = i;
			}
			if (c == '"')
			{
				out.emplace_back(line_0 + start, size_t(i - start));
				++count;
				in_quotes = false;
				in_token = false;
			}
		}
		else if (c != '"')
		{
			const bool delim = is_delimiter(c, delim_0);
			if (!in_token)
			{
				if (!delim)
				{
					in_token = true;
					start = i;
				}
			}
			else if (delim)
			{
				out.emplace_back(line_0 + start, size_t(i - start));
				++count;
				in_token = false;
			}
		}
		else
		{
			if (in_token)
			{
				out.emplace_back(line_0 + start, size_t(i - start));
				++count;
				in_token = false;
			}
			in_quotes = true;
		}
	}
	if (in_token)
	{
		out.emplace_back(line_0 + start, size_t(i - start));
		++count;
	}
	return count;
}

bool test_filename(const char *name_0, const char *patterns_0)
{
	std::string rest(patterns_0);
	for (size_t comma = rest.find(','); comma != std::string::npos; comma = rest.find(','))
	{
		if (match_one(name_0, rest.substr(0, comma).c_str()))
		{
			return true;
		}
		rest.erase(0, comma + 1);
	}
	return match_one(name_0, rest.c_str());
}

void decode_compile_date(int &year, int &month, int &day, const char *date_0)
{
	static const char *const month_names[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
	                                            "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
	month = -1;
	for (int m = 0; m < 12 && month < 0; ++m)
	{
		if (std::strlen(date_0) >= 3 && eq_ci(date_0[0], month_names[m][0]) && eq_ci(date_0[1], month_names[m][1]) &&
		    eq_ci(date_0[2], month_names[m][2]))
		{
			month = m;
		}
	}
	day = -1;
	year = 0;
	if (std::strlen(date_0) < 5)
	{
		return;
	}
	char *end_ptr = nullptr;
	day = int(std::strtol(date_0 + 4, &end_ptr, 10)) - 1;
	year = int(std::strtol(end_ptr, nullptr, 10));
}

}  // namespace basic
