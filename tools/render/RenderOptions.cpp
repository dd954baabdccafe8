// The render tool's command line.
#include "tools/render/RenderOptions.h"

#include "tools/render/RenderError.h"

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

}  // namespace

const char *RenderOptions::get_usage()
{
	return "usage: tarvelle-render [options] INPUT OUTPUT\n"
	       "       tarvelle-render [--plugin PATH] --list-programs | --list-params\n"
	       "Renders an audio file (WAV, FLAC, AIFF) through a VST 2 plug-in.\n"
	       "  --plugin PATH          the plug-in (default: the tarvelle.so of this build)\n"
	       "  --program N|NAME       a factory program by index or name\n"
	       "  --param I|NAME=VALUE   a parameter's normalised value 0..1, after the program (repeatable)\n"
	       "  --tempo BPM            host tempo, 20..999 (default 120)\n"
	       "  --rate HZ              must be the input's rate: files are never resampled\n"
	       "  --block N              samples per processing call, 1..8192 (default 512)\n"
	       "  --tail SECONDS         silence rendered after the input, to let it ring out\n"
	       "  --load-chunk FILE      the plug-in's state from a bank or program chunk\n"
	       "  --save-chunk FILE      the state used for the render, as a bank chunk\n"
	       "  --save-program-chunk   with --save-chunk: only the current program\n"
	       "  --keep-format          the input's sample format out (default: 32-bit float)\n"
	       "  --list-params          index, name, value and unit of every parameter\n"
	       "  --list-programs        index and name of every program\n"
	       "  --quiet                no progress\n"
	       "Exit status: 0 done, 2 command line, 3 input, 4 plug-in, 5 unknown name, 6 bad value,\n"
	       "7 output, 8 chunk.\n";
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
		else if (arg == "--param")
		{
			const std::string v = value();
			const size_t eq = v.find_last_of('=');
			if (eq == std::string::npos || eq == 0)
			{
				throw RenderError(RenderError::Status_USAGE, "--param takes INDEX=VALUE or NAME=VALUE, not '" + v + "'");
			}
			opt._params.emplace_back(v.substr(0, eq), float(to_number("--param " + v.substr(0, eq), v.substr(eq + 1), 0, 1)));
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
