// The dialogs of one editor window: each request opens its dialog and
// returns; answers reach their callbacks from the window's pump, so a
// callback may open the next dialog. Shows nothing by itself: the off-screen
// window uses it as it is, a backend shows each dialog in a window.
#pragma once

#include "gui/DialogView.h"
#include "sys/DialogHostInterface.h"

#include <memory>
#include <vector>

namespace ruvava
{

class PumpedWindow;

class DialogHost : public sys::DialogHostInterface
{
public:
	explicit DialogHost(PumpedWindow &window) : _window(window) {}
	~DialogHost() override = default;
	DialogHost(const DialogHost &) = delete;
	DialogHost &operator=(const DialogHost &) = delete;

	// -1 while the window is closed or has no font.
	int run_file_selector(sys::FileSelector &sel, bool save_mode, Done done) override;
	int run_message_box(const std::string &title, const std::string &text, int type, int def, Done done) override;

	// Shows what changed and answers the dialogs that are done.
	void serve();
	// Every open dialog is cancelled (the window closes); answers follow.
	void cancel_all();
	int get_nbr_dialogs() const noexcept
	{
		return int(_open.size());
	}
	DialogView &use_dialog(int index) const
	{
		return *_open[size_t(index)]._view;
	}

protected:
	// A dialog opened or looks different.
	virtual void do_show(DialogView &) {}
	virtual void do_hide(DialogView &) {}
	PumpedWindow &use_window() const noexcept
	{
		return _window;
	}

private:
	struct Open
	{
		std::unique_ptr<DialogView> _view;
		Done _done;
		unsigned _shown = ~0u;
	};

	int add(DialogView *view_ptr, Done done);

	PumpedWindow &_window;
	std::vector<Open> _open;
};

}  // namespace ruvava
