// What a control reports user actions to. Values are normalised to 0..1;
// the int is the priority of the change (or the value's index).
#pragma once

namespace ruvava
{

class ControlInterface;
class MessageInterface;
class MiscMgrInterface;

class EventListenerInterface
{
public:
	virtual ~EventListenerInterface() = default;
	virtual void activate() = 0;
	virtual void deactivate() = 0;
	virtual bool can_num_val_be_changed(int prio) = 0;
	virtual bool reserve_num_val(int prio) = 0;
	virtual void release_num_val(int prio) = 0;
	// Each returns the value to use next, so a listener may correct it.
	virtual double change_num_val(double val, int prio) = 0;
	virtual double change_num_val_user(double val, int prio) = 0;
	virtual double change_num_val_auto(double val, int prio) = 0;
	virtual void send_custom_event(long id, void *data_ptr) = 0;
	virtual double convert_norm_val_to_ctrl_pos(double val) = 0;
	virtual double convert_ctrl_pos_to_norm_val(double pos) = 0;
	virtual void spy_message_pre(const MessageInterface &m) = 0;
	virtual void spy_message_post(const MessageInterface &m) = 0;
	virtual void set_ci(ControlInterface &ctrl) = 0;
	virtual ControlInterface *use_ci() const = 0;
	virtual void set_misc_mgr(MiscMgrInterface &mgr) = 0;
};

}  // namespace ruvava
