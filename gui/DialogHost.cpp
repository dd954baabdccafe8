#include "gui/DialogHost.h"

#include "gui/FileSelectorView.h"
#include "gui/MessageBoxView.h"
#include "gui/PumpedWindow.h"

namespace ruvava
{

int DialogHost::add(DialogView *view_ptr, Done done)
{
	_open.push_back({std::unique_ptr<DialogView>(view_ptr), std::move(done)});
	serve();
	return 0;
}

int DialogHost::run_file_selector(sys::FileSelector &sel, bool save_mode, Done done)
{
	const FontInterface *font_ptr = _window.use_sys_font();
	if (font_ptr == nullptr || !_window.is_open())
	{
		return -1;
	}
	return add(new FileSelectorView(sel, save_mode, *font_ptr, _window.get_scale()), std::move(done));
}

int DialogHost::run_message_box(const std::string &title, const std::string &text, int type, int def, Done done)
{
	const FontInterface *font_ptr = _window.use_sys_font();
	if (font_ptr == nullptr || !_window.is_open())
	{
		return -1;
	}
	return add(new MessageBoxView(title, text, type, def, *font_ptr, _window.get_scale()), std::move(done));
}

void DialogHost::serve()
{
	for (size_t i = 0; i < _open.size();)
	{
		Open &o = _open[i];
		if (o._view->is_done())
		{
			// Out of the list before the answer: the callback may open another.
			Open done = std::move(o);
			_open.erase(_open.begin() + long(i));
			do_hide(*done._view);
			if (done._done)
			{
				done._done(done._view->get_result());
			}
			continue;
		}
		if (o._shown != o._view->get_revision())
		{
			o._shown = o._view->get_revision();
			do_show(*o._view);
		}
		++i;
	}
}

void DialogHost::cancel_all()
{
	// Answers may open new dialogs: cancel until none is left.
	for (int round = 0; round < 8 && !_open.empty(); ++round)
	{
		for (Open &o : _open)
		{
			o._view->close();
		}
		serve();
	}
}

}  // namespace ruvava
