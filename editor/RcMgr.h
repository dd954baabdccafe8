// Links a voice control to the same control of the other three voices:
// dragged with the secondary button, the others follow; with Shift each
// keeps its distance, with Control they move the other way.
#pragma once

#include "gui/MiscMgrInterface.h"

namespace rivo
{

class MetaControlList;

class RcMgr : public ruvava::MiscMgrInterface
{
public:
	void init(MetaControlList &mcl, int param) noexcept
	{
		_mcl_ptr = &mcl;
		_param = param;
	}
	// Every voice's parameter of the same kind as param, in voice order.
	static int voice_param(int param, int voice) noexcept
	{
		return (param - 11) % 28 + 11 + 28 * voice;
	}

	// A click on the control decides whether the next changes are linked.
	void spy_message_pre(const ruvava::MessageInterface &m) override;
	void spy_message_post(const ruvava::MessageInterface &) override {}
	void num_val_changed(double, int) override {}
	// The user moved the control to val: the linked controls follow.
	void user_changed(double val, int prio);
	// A change that is no drag (a typed value) moves this control alone.
	void cancel_link() noexcept
	{
		_linking = false;
	}

private:
	MetaControlList *_mcl_ptr = nullptr;
	int _param = -1;
	bool _linking = false;
	bool _relative = false;
	bool _inverted = false;
	double _start = 0;
	double _others_start[4] = {};
};

}  // namespace rivo
