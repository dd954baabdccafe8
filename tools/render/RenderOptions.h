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
	// A parameter's value: a text in the units the plug-in shows (read by the
	// plug-in's own parser), or a normalised value 0..1.
	struct Value
	{
		std::string _text;
		bool _norm = false;
		float _nval = 0;
	};
	struct ParamSetting
	{
		std::string _name;  // index, host name or full name
		Value _value;
	};
	// Linear ramps between points (seconds, value); held after the last point.
	struct Automation
	{
		std::string _name;
		std::vector<std::pair<double, Value>> _points;
	};

	std::string _program;  // index or name; empty: the plug-in's own first program
	std::vector<ParamSetting> _params;
	std::vector<Automation> _automations;
	std::vector<std::pair<double, std::string>> _program_changes;  // seconds, index or name
	std::string _bank;  // a preset bank file whose programs --program chooses from
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
