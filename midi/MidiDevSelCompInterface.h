// One group of MIDI devices (the host's, the system's) in a dispatcher: the
// ids of its devices are a run of the dispatcher's lists.
#pragma once

namespace rivo
{

class MidiDevSelDispatcher;
class MidiInInterface;
class MidiOutInterface;

class MidiDevSelCompInterface
{
public:
	virtual ~MidiDevSelCompInterface() = default;

	void register_ack(MidiDevSelDispatcher &dispatcher) noexcept
	{
		_dispatcher_ptr = &dispatcher;
	}
	MidiDevSelDispatcher *use_dispatcher() const noexcept
	{
		return _dispatcher_ptr;
	}
	// Appends the devices from first on and remembers their run.
	int scan_dev_in(int first);
	int scan_dev_out(int first);
	// The device of id when it is one of this group's, else the group lets
	// go of what it holds.
	int select_dev_in(int id, MidiInInterface *&dev_ptr);
	int select_dev_out(int id, MidiOutInterface *&dev_ptr);
	int configure_dev_in(int id);
	int configure_dev_out(int id);
	int get_start_id_in() const noexcept
	{
		return _first_in;
	}
	int get_nbr_dev_in() const noexcept
	{
		return _nbr_in;
	}
	int get_start_id_out() const noexcept
	{
		return _first_out;
	}
	int get_nbr_dev_out() const noexcept
	{
		return _nbr_out;
	}

	virtual int init() = 0;

protected:
	virtual int do_configure_dev_in(int)
	{
		return 0;
	}
	virtual int do_configure_dev_out(int)
	{
		return 0;
	}
	virtual int do_scan_dev_in(int first) = 0;
	virtual int do_scan_dev_out(int first) = 0;
	virtual int do_select_dev_in(int id, MidiInInterface *&dev_ptr) = 0;
	virtual int do_select_dev_out(int id, MidiOutInterface *&dev_ptr) = 0;
	virtual int do_remove_dev_in() = 0;
	virtual int do_remove_dev_out() = 0;

private:
	static bool holds(int id, int first, int nbr) noexcept
	{
		return first >= 0 && id >= first && id < first + nbr;
	}

	MidiDevSelDispatcher *_dispatcher_ptr = nullptr;
	int _first_in = -1;
	int _nbr_in = 0;
	int _first_out = -1;
	int _nbr_out = 0;
};

}  // namespace rivo
