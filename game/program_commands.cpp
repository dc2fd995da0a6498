#include "game/program_commands.h"

#include <string>

#include "game/record_panel.h"
#include "shell/app.h"
#include "shell/sound.h"
#include "shell/startup.h"
#include "shell/translation.h"
#include "shell/version_window.h"

namespace zarvo {

void Form_Unload(App& app) {
  end_program(app);
  app.platform.lifecycle->terminate();
}

void Form_KeyDown(App& app, int key_code, int /*shift*/) {
  if (key_code != KEY_ESCAPE) return;
  end_program(app);
  app.platform.lifecycle->terminate();
}

void OWARI_Click(App& app) {
  end_program(app);
  app.platform.lifecycle->terminate();
}

// The browser runs on its own; without one the player is told where the page is.
void KAISETU_Click(App& app) {
  if (app.platform.browser->open(help_page_url(app))) return;
  const std::string text =
      translate("Message", QT_TRANSLATE_NOOP("Message", "ﾌﾞﾗｳｻﾞを開けませんでした。\n解説はこのﾌｧｲﾙにあります：\n%1"));
  app.platform.dialogs->message_box(fill(text, {help_page_file(app)}), QT_TRANSLATE_NOOP("Message", "解説"),
                                    Buttons::Ok);
}

void VER_Click(App& app) {
  close_record_panel(app);
  play_other(app);
  app.platform.version->show_modal();
}

bool Form4_Command1_Click(App& app) { return app.platform.browser->open(home_page_url(app)); }

}  // namespace zarvo
