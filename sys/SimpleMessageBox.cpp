#include "sys/SimpleMessageBox.h"

#include "sys/FileOp.h"

namespace sys
{

namespace
{

const char *const BUTTONS[3][2] = {{"Ok", nullptr}, {"Ok", "Cancel"}, {"Yes", "No"}};

}  // namespace

int SimpleMessageBox::get_nbr_buttons(int type)
{
	return (type == Type_OK) ? 1 : (type == Type_OK_CANCEL || type == Type_YES_NO) ? 2 : 0;
}

const char *SimpleMessageBox::get_button_text(int type, int index)
{
	return (index >= 0 && index < get_nbr_buttons(type)) ? BUTTONS[type][index] : nullptr;
}

int SimpleMessageBox::ask(DialogHostInterface &host, const std::string &title, const std::string &text, int type,
                          int def, DialogHostInterface::Done done)
{
	const int n = get_nbr_buttons(type);
	if (n == 0)
	{
		return -1;
	}
	return host.run_message_box(title, text, type, (def >= 0 && def < n) ? def : 0, std::move(done));
}

void SimpleMessageBox::ask_overwrite(DialogHostInterface &host, const std::string &path, std::function<void()> write)
{
	if (!FileOp::is_existing(path))
	{
		write();
		return;
	}
	ask(host, "Conflict", path + "\nalready exists. Overwrite ?", Type_OK_CANCEL, 1, [write](int answer) {
		if (answer == 0)
		{
			write();
		}
	});
}

}  // namespace sys
