// A listener that accepts everything and passes values and messages on to
// its misc manager, when it has one.
#pragma once

#include "gui/EventListenerInterface.h"

namespace ruvava
{

class DefaultEventListener : public EventListenerInterface
{
public:
	void activate() override {}
	void deactivate() override {}
	bool can_num_val_be_changed(int) override
	{
		return true;
	}
	bool reserve_num_val(int) override
	{
		return true;
	}
	void release_num_val(int) override {}
	double change_num_val(double val, int prio) override;
	double change_num_val_user(double val, int prio) override;
	double change_num_val_auto(double val, int prio) override;
	void send_custom_event(long, void *) override {}
	double convert_norm_val_to_ctrl_pos(double val) override
	{
		return val;
	}
	double convert_ctrl_pos_to_norm_val(double pos) override
	{
		return pos;
	}
	void spy_message_pre(const MessageInterface &m) override;
	void spy_message_post(const MessageInterface &m) override;
	void set_ci(ControlInterface &ctrl) override
	{
		_ctrl_ptr = &ctrl;
	}
	ControlInterface *use_ci() const override
	{
		return _ctrl_ptr;
	}
	void set_misc_mgr(MiscMgrInterface &mgr) override;

private:
	ControlInterface *_ctrl_ptr = nullptr;
	MiscMgrInterface *_misc_ptr = nullptr;
};

}  // namespace ruvava
