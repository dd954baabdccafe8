// A device selector made of groups of devices, asked in the order they were
// registered; the groups are not owned.
#pragma once

#include "midi/MidiDevSelectorInterface.h"

#include <deque>

namespace rivo
{

class MidiDevSelCompInterface;

class MidiDevSelDispatcher : public MidiDevSelectorInterface
{
public:
	void register_dev_list(MidiDevSelCompInterface &comp);
	// Before the group goes: its devices must not be selected.
	void unregister_dev_list(MidiDevSelCompInterface &comp);
	void add_dev_in(const Properties &prop)
	{
		use_prop_list_in().push_back(prop);
	}
	void add_dev_out(const Properties &prop)
	{
		use_prop_list_out().push_back(prop);
	}

	int init() override;
	int configure_dev_in() override;
	int configure_dev_out() override;
	int scan_dev_in() override;
	int scan_dev_out() override;

protected:
	int do_select_dev_in(int id, MidiInInterface *&dev_ptr) override;
	int do_select_dev_out(int id, MidiOutInterface *&dev_ptr) override;

private:
	std::deque<MidiDevSelCompInterface *> _comps;
	bool _init_flag = false;
};

}  // namespace rivo
