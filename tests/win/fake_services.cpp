#include "tests/win/fake_services.h"

int FakeServices::MessageBox(HWND owner, const std::string& text, const char* caption, UINT type)
{
    boxes.push_back(Box{text, caption ? caption : "(null)", type, owner});
    if (boxAnswers.empty()) {
        ++unansweredBoxes;
        return IDCANCEL;
    }
    const int answer = boxAnswers.front();
    boxAnswers.pop_front();
    return answer;
}

bool FakeServices::SaveFileDialog(HWND, const SaveFileRequest& request, SaveFileAnswer& answer)
{
    saveRequests.push_back(request);
    if (saveAnswers.empty())
        return false;
    answer = saveAnswers.front();
    saveAnswers.pop_front();
    return true;
}

INT_PTR FakeServices::ShellOpen(HWND, const char* verb, const std::string& file, const std::string& parameters,
                                const std::string& directory, int showCommand)
{
    launches.push_back(Launch{verb ? verb : "(null)", file, parameters, directory, showCommand});
    return shellResult;
}

void FakeServices::PlaySound(const std::string& file)
{
    sounds.push_back(file);
}

void FakeServices::PlaySoundToEnd(const std::string& file)
{
    sounds.push_back(file);
    soundsToEnd.push_back(file);
}
