// Printing and parsing helpers shared by the engine's parameter classes.
#pragma once

namespace rivo
{
class NormalizedParamInterface;
}

class ParamTextFnc
{
public:
	// printf of one double into at most len bytes.
	static void print(char *txt_ptr, long len, const char *fmt_0, double val);
	// Nothing but blanks: no value, whatever a parser would read into it.
	static bool is_blank(const char *txt_0) noexcept;
	// "%lf" times mult, clamped to lo..hi; ok is false for unparsable or non-finite text.
	static double scan_clamped(const char *txt_0, bool &ok, double mult, double lo, double hi);
	// Index of the first of the names found in the text, case-insensitively.
	static double scan_choice(const char *txt_0, bool &ok, const char *const name_arr[], int nbr_names);
	static double clamp(double v, double lo, double hi) noexcept
	{
		return v < lo ? lo : (v > hi ? hi : v);
	}
};
