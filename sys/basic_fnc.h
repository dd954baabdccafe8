// Text utilities shared by parameter display, the configuration reader and file filters.
#pragma once

#include <deque>
#include <string>

namespace basic
{

std::string gen_string(char c, long n);
std::string gen_string(const char *s_0, long n);
std::string gen_string(const std::string &s, long n);

std::string to_lcase(const std::string &s);
std::string to_ucase(const std::string &s);
void to_lcase_inplace(std::string &s);
void to_ucase_inplace(std::string &s);
void to_lcase_inplace(char *s_0);
void to_ucase_inplace(char *s_0);

// True when c is one of the characters of set_0 (never for an empty set or c == 0).
bool is_delimiter(char c, const char *set_0);

// Equality ignoring case.
bool strcmp_ci(const char *a_0, const char *b_0);

// Index of the first case-insensitive occurrence of needle in text; 0 for an
// empty needle, -1 when there is none.
long search_str_ci(const char *needle_0, const char *text_0);

// Moves p to its terminator (never more than room bytes on) and takes the
// skipped length off room. Returns true when no byte is left to write into.
bool str_jump_to_end(char *&p, long &room);

// Copies at most n bytes of src and always terminates at dst[n-1]. No-op for n < 1.
void strncpy_0(char *dst_ptr, const char *src_0, long n);

// Appends src after dst's text, never writing beyond dst[n-1], always terminated.
void strncat_0(char *dst_ptr, const char *src_0, long n);

// A number text of at most width characters; dst_ptr must hold width + 1 bytes.
void print_float(char *dst_ptr, double value, int width);

// Splits line into tokens at the delimiters; double quotes group a token.
// Returns the number of tokens appended to out.
int parse_line(std::deque<std::string> &out, const char *line_0, const char *delim_0);

// Wildcard test ('*', '?', case-insensitive) against a comma-separated pattern list.
bool test_filename(const char *name_0, const char *patterns_0);

// Decodes a compiler date such as "Aug 22 2002": month and day counted from 0.
// month is -1 when the month name is unknown.
void decode_compile_date(int &year, int &month, int &day, const char *date_0);

}  // namespace basic
