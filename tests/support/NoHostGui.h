// An editor's host side that allows everything and does nothing, for parts
// that need one to exist.
#pragma once

#include "params/HostGuiInterface.h"

#include <string>

namespace testsupport
{

class NoHostGui : public rivo::HostGuiInterface
{
public:
	void init() override {}
	double get_property(const char *) const override
	{
		return 0;
	}
	std::string get_string_property(const char *) const override
	{
		return "";
	}
	bool is_param_free(int, int) override
	{
		return true;
	}
	bool reserve_param(int, int) override
	{
		return true;
	}
	void release_param(int, int) override {}
	void set_param(int, float, int) override {}
	void set_program(const rivo::ProgramSlot &, int) override {}
	bool resize_window(int, int) override
	{
		return false;
	}
	std::string get_plugin_dir() const override
	{
		return "";
	}
};

}  // namespace testsupport
