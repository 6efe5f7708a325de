// The message boxes and the file and folder requesters, as GTK dialogs over the active window.
#include "GtkRequesters.h"

#include "GtkSystemDriver.h"

#include "events/FileFilter.h"
#include "runtime/Application.h"
#include "runtime/Text.h"

#include <gtk/gtk.h>

#include <cstdlib>

namespace vandro {

namespace {

std::vector<String> Split(const String& text, char16_t separator) {
    std::vector<String> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end == String::npos ? String::npos : end - start));
        if (end == String::npos)
            return parts;
        start = end + 1;
    }
}

String Replaced(String text, const String& from, const String& to) {
    for (std::size_t at = text.find(from); at != String::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

GtkWindow* ActiveWindow() {
    GtkWindow* found = nullptr;
    GList* windows = gtk_window_list_toplevels();
    for (GList* item = windows; item && !found; item = item->next)
        if (gtk_window_is_active(GTK_WINDOW(item->data)))
            found = GTK_WINDOW(item->data);
    g_list_free(windows);
    return found;
}

String ChosenPath(GtkWidget* dialog) {
    String chosen;
    if (gtk_dialog_run(GTK_DIALOG(dialog)) == GTK_RESPONSE_ACCEPT) {
        if (gchar* name = gtk_file_chooser_get_filename(GTK_FILE_CHOOSER(dialog))) {
            chosen = FromUtf8(name);
            g_free(name);
        }
    }
    gtk_widget_destroy(dialog);
    return chosen;
}

void AddFilters(GtkFileChooser* chooser, const String& extensions, int initial) {
    int index = 0;
    for (const FileFilterGroup& group : FileFilterGroups(extensions)) {
        GtkFileFilter* filter = gtk_file_filter_new();
        gtk_file_filter_set_name(filter, ToUtf8(group.description).c_str());
        for (const String& extension : group.extensions)
            gtk_file_filter_add_pattern(filter, ToUtf8(u"*." + extension).c_str());
        gtk_file_chooser_add_filter(chooser, filter);
        if (++index == initial)
            gtk_file_chooser_set_filter(chooser, filter);
    }
}

} // namespace

std::vector<FileFilterGroup> FileFilterGroups(const String& extensions) {
    std::vector<FileFilterGroup> groups;
    if (extensions.empty())
        return groups;
    for (const String& group : Split(extensions, u';')) {
        const std::size_t colon = group.find(u':');
        FileFilterGroup filter;
        filter.description = colon == String::npos ? String(u"Files") : group.substr(0, colon);
        filter.extensions = Split(colon == String::npos ? group : group.substr(colon + 1), u',');
        groups.push_back(std::move(filter));
    }
    return groups;
}

int TGtkSystemDriver::ShowMessage(const String& text, int serious, MessageButtons buttons) {
    const bool question = buttons == MessageButtons::YesNoCancel;
    const GtkMessageType sign = serious    ? GTK_MESSAGE_WARNING
                                : question ? GTK_MESSAGE_QUESTION
                                           : GTK_MESSAGE_INFO;
    const GtkButtonsType given = question                        ? GTK_BUTTONS_NONE
                                 : buttons == MessageButtons::Ok ? GTK_BUTTONS_OK
                                                                 : GTK_BUTTONS_OK_CANCEL;
    GtkWidget* dialog = gtk_message_dialog_new(ActiveWindow(), GTK_DIALOG_MODAL, sign, given, "%s",
                                               ToUtf8(text).c_str());
    gtk_window_set_title(GTK_WINDOW(dialog), ToUtf8(AppTitle()).c_str());
    if (question)
        gtk_dialog_add_buttons(GTK_DIALOG(dialog), "_Yes", GTK_RESPONSE_YES, "_No", GTK_RESPONSE_NO,
                               "_Cancel", GTK_RESPONSE_CANCEL, nullptr);
    else
        gtk_window_set_keep_above(GTK_WINDOW(dialog), TRUE);
    const int response = gtk_dialog_run(GTK_DIALOG(dialog));
    gtk_widget_destroy(dialog);
    if (response == GTK_RESPONSE_OK || response == GTK_RESPONSE_YES)
        return 1;
    return response == GTK_RESPONSE_NO ? 0 : -1;
}

String TGtkSystemDriver::RequestFile(const String& text, const String& extensions, int save,
                                     const String& path) {
    const String given = Replaced(path, u"\\", u"/");
    const std::size_t slash = given.rfind(u'/');
    const String folder = slash == String::npos ? String() : given.substr(0, slash);
    const String file = slash == String::npos ? given : given.substr(slash + 1);
    GtkWidget* dialog = gtk_file_chooser_dialog_new(
        ToUtf8(text).c_str(), ActiveWindow(),
        save ? GTK_FILE_CHOOSER_ACTION_SAVE : GTK_FILE_CHOOSER_ACTION_OPEN, "_Cancel",
        GTK_RESPONSE_CANCEL, save ? "_Save" : "_Open", GTK_RESPONSE_ACCEPT, nullptr);
    GtkFileChooser* chooser = GTK_FILE_CHOOSER(dialog);
    AddFilters(chooser, extensions, FileFilterIndex(extensions, given));
    if (!folder.empty())
        gtk_file_chooser_set_current_folder(chooser, ToUtf8(folder).c_str());
    if (save) {
        gtk_file_chooser_set_do_overwrite_confirmation(chooser, TRUE);
        gtk_file_chooser_set_current_name(chooser, ToUtf8(file).c_str());
    } else if (!file.empty() && !folder.empty()) {
        gtk_file_chooser_set_filename(chooser, ToUtf8(given).c_str());
    }
    return ChosenPath(dialog);
}

String TGtkSystemDriver::RequestDir(const String& text, const String& path) {
    GtkWidget* dialog = gtk_file_chooser_dialog_new(
        ToUtf8(text).c_str(), ActiveWindow(), GTK_FILE_CHOOSER_ACTION_SELECT_FOLDER, "_Cancel",
        GTK_RESPONSE_CANCEL, "_Select", GTK_RESPONSE_ACCEPT, nullptr);
    if (!path.empty())
        if (char* full = realpath(ToUtf8(Replaced(path, u"\\", u"/")).c_str(), nullptr)) {
            gtk_file_chooser_set_filename(GTK_FILE_CHOOSER(dialog), full);
            free(full);
        }
    return ChosenPath(dialog);
}

} // namespace vandro
