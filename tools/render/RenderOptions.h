// The command line of tarvelle-render, read into settings.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace rivo
{

class RenderOptions
{
public:
	// RenderError (Status_USAGE or Status_VALUE) on a bad command line.
	static RenderOptions parse(int argc, const char *const *argv, const std::string &default_plugin);
	static const char *get_usage();

	std::string _plugin;
	std::string _input;
	std::string _output;
	std::string _program;  // index or name; empty: the plug-in's own first program
	std::vector<std::pair<std::string, float>> _params;  // index or name, normalised value
	double _tempo = 120;
	int _rate = 0;  // 0: the input's
	int _block = 512;
	double _tail = 0;  // seconds
	std::string _load_chunk;
	std::string _save_chunk;
	bool _save_program_chunk = false;
	bool _keep_format = false;
	bool _list_params = false;
	bool _list_programs = false;
	bool _quiet = false;
	bool _help = false;
};

}  // namespace rivo
