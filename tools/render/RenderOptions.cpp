// The render tool's command line.
#include "tools/render/RenderOptions.h"

#include "tools/render/RenderError.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace rivo
{

namespace
{

double to_number(const std::string &opt, const std::string &txt, double lo, double hi)
{
	char *end_ptr = nullptr;
	errno = 0;
	const double v = std::strtod(txt.c_str(), &end_ptr);
	if (txt.empty() || *end_ptr != '\0' || errno != 0 || !std::isfinite(v) || v < lo || v > hi)
	{
		char range[96];
		std::snprintf(range, sizeof(range), "%g to %g", lo, hi);
		throw RenderError(RenderError::Status_VALUE, opt + " takes a number from " + range + ", not '" + txt + "'");
	}
	return v;
}

int to_int(const std::string &opt, const std::string &txt, int lo, int hi)
{
	const double v = to_number(opt, txt, lo, hi);
	if (v != std::floor(v))
	{
		throw RenderError(RenderError::Status_VALUE, opt + " takes a whole number, not '" + txt + "'");
	}
	return int(v);
}

// "NAME=VALUE" split at its first "=": names never hold one.
std::pair<std::string, std::string> split_setting(const std::string &opt, const std::string &txt, const char *form_0)
{
	const size_t eq = txt.find('=');
	if (eq == std::string::npos || eq == 0 || eq + 1 == txt.size())
	{
		throw RenderError(RenderError::Status_USAGE, opt + " takes " + form_0 + ", not '" + txt + "'");
	}
	return {txt.substr(0, eq), txt.substr(eq + 1)};
}

RenderOptions::Value make_value(const std::string &opt, const std::string &txt, bool norm)
{
	RenderOptions::Value v;
	v._text = txt;
	v._norm = norm;
	if (norm)
	{
		v._nval = float(to_number(opt, txt, 0, 1));
	}
	return v;
}

// "T:V,T:V,...", times in seconds, never going back.
RenderOptions::Automation parse_automation(const std::string &opt, const std::string &txt, bool norm)
{
	const auto setting = split_setting(opt, txt, "NAME=SECONDS:VALUE,SECONDS:VALUE,...");
	RenderOptions::Automation a;
	a._name = setting.first;
	size_t pos = 0;
	const std::string &list = setting.second;
	while (pos <= list.size())
	{
		const size_t comma = std::min(list.find(',', pos), list.size());
		const std::string point = list.substr(pos, comma - pos);
		const size_t colon = point.find(':');
		if (colon == std::string::npos || colon == 0 || colon + 1 == point.size())
		{
			throw RenderError(RenderError::Status_USAGE,
			                  opt + " takes NAME=SECONDS:VALUE,SECONDS:VALUE,..., not '" + txt + "'");
		}
		const double t = to_number(opt + " " + a._name + " time", point.substr(0, colon), 0, 86400);
		if (!a._points.empty() && t < a._points.back().first)
		{
			throw RenderError(RenderError::Status_VALUE, opt + " " + a._name + ": the times must not go back");
		}
		a._points.emplace_back(t, make_value(opt + " " + a._name, point.substr(colon + 1), norm));
		pos = comma + 1;
	}
	return a;
}

}  // namespace

const char *RenderOptions::get_usage()
{
	return "usage: tarvelle-render [options] INPUT OUTPUT\n"
	       "       tarvelle-render [--plugin PATH] --list-programs | --list-params\n"
	       "Renders an audio file (WAV, FLAC, AIFF) through a VST 2 plug-in.\n"
	       "  --plugin PATH          the plug-in (default: the tarvelle.so of this build)\n"
	       "  --program N|NAME       a program by index or name (of --bank when given)\n"
	       "  --bank FILE.pbk        a preset bank file: --program and --program-at choose in it\n"
	       "  --param NAME=VALUE     a parameter in the units it shows (\"Master Vol=-6\",\n"
	       "                         \"V 1 Period=1/4\", \"V 1 Depth=Mad Cow\"), after the program\n"
	       "  --param-norm NAME=V    a parameter's normalised value 0..1\n"
	       "  --automate NAME=T:V,T:V,...       linear ramps through values at T seconds\n"
	       "  --automate-norm NAME=T:V,T:V,...  the same with normalised values\n"
	       "  --program-at T:N|NAME  a program change at T seconds (repeatable)\n"
	       "                         NAME: an index, the name the host sees or the full name,\n"
	       "                         in any case; the options above repeat\n"
	       "  --tempo BPM            host tempo, 20..999 (default 120)\n"
	       "  --rate HZ              must be the input's rate: files are never resampled\n"
	       "  --block N              samples per processing call, 1..8192 (default 512)\n"
	       "  --tail SECONDS         silence rendered after the input, to let it ring out\n"
	       "  --load-chunk FILE      the plug-in's state from a bank or program chunk\n"
	       "  --save-chunk FILE      the state used for the render, as a bank chunk\n"
	       "  --save-program-chunk   with --save-chunk: only the current program\n"
	       "  --keep-format          the input's sample format out (default: 32-bit float)\n"
	       "  --list-params          index, full name, value and unit of every parameter\n"
	       "  --list-programs        index and name of every program (of --bank when given)\n"
	       "  --quiet                no progress\n"
	       "Exit status: 0 done, 2 command line, 3 input, 4 plug-in, 5 unknown name, 6 bad value,\n"
	       "7 output, 8 chunk or bank file.\n";
}

RenderOptions RenderOptions::parse(int argc, const char *const *argv, const std::string &default_plugin)
{
	RenderOptions opt;
	opt._plugin = default_plugin;
	std::vector<std::string> files;
	for (int i = 1; i < argc; ++i)
	{
		const std::string arg = argv[i];
		auto value = [&]() -> std::string {
			if (i + 1 >= argc)
			{
				throw RenderError(RenderError::Status_USAGE, arg + " needs a value");
			}
			return argv[++i];
		};
		if (arg == "--plugin")
		{
			opt._plugin = value();
		}
		else if (arg == "--program")
		{
			opt._program = value();
		}
		else if (arg == "--param" || arg == "--param-norm")
		{
			const auto setting = split_setting(arg, value(), "NAME=VALUE");
			opt._params.push_back({setting.first, make_value(arg + " " + setting.first, setting.second,
			                                                  arg == "--param-norm")});
		}
		else if (arg == "--automate" || arg == "--automate-norm")
		{
			opt._automations.push_back(parse_automation(arg, value(), arg == "--automate-norm"));
		}
		else if (arg == "--program-at")
		{
			const std::string v = value();
			const size_t colon = v.find(':');
			if (colon == std::string::npos || colon == 0 || colon + 1 == v.size())
			{
				throw RenderError(RenderError::Status_USAGE, "--program-at takes SECONDS:PROGRAM, not '" + v + "'");
			}
			opt._program_changes.emplace_back(to_number(arg, v.substr(0, colon), 0, 86400), v.substr(colon + 1));
		}
		else if (arg == "--bank")
		{
			opt._bank = value();
		}
		else if (arg == "--tempo")
		{
			opt._tempo = to_number(arg, value(), 20, 999);
		}
		else if (arg == "--rate")
		{
			opt._rate = to_int(arg, value(), 1, 10000000);
		}
		else if (arg == "--block")
		{
			opt._block = to_int(arg, value(), 1, 8192);
		}
		else if (arg == "--tail")
		{
			opt._tail = to_number(arg, value(), 0, 3600);
		}
		else if (arg == "--load-chunk")
		{
			opt._load_chunk = value();
		}
		else if (arg == "--save-chunk")
		{
			opt._save_chunk = value();
		}
		else if (arg == "--save-program-chunk")
		{
			opt._save_program_chunk = true;
		}
		else if (arg == "--keep-format")
		{
			opt._keep_format = true;
		}
		else if (arg == "--list-params")
		{
			opt._list_params = true;
		}
		else if (arg == "--list-programs")
		{
			opt._list_programs = true;
		}
		else if (arg == "--quiet")
		{
			opt._quiet = true;
		}
		else if (arg == "--help" || arg == "-h")
		{
			opt._help = true;
		}
		else if (arg.size() > 1 && arg[0] == '-')
		{
			throw RenderError(RenderError::Status_USAGE, "unknown option " + arg);
		}
		else
		{
			files.push_back(arg);
		}
	}
	const bool listing = opt._list_params || opt._list_programs;
	if (opt._save_program_chunk && opt._save_chunk.empty())
	{
		throw RenderError(RenderError::Status_USAGE, "--save-program-chunk needs --save-chunk FILE");
	}
	if (files.size() == 2)
	{
		opt._input = files[0];
		opt._output = files[1];
	}
	else if (!opt._help && !(listing && files.empty()))
	{
		throw RenderError(RenderError::Status_USAGE, "give an INPUT and an OUTPUT file (--help for the options)");
	}
	return opt;
}

}  // namespace rivo
