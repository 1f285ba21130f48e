// The core's message boxes: a modal dialog titled "Varnesk" (or `caption`) with the text and one
// OK button. Escape closes it like OK, as a message box's close box does.

export function showMessage(text, caption = 'Varnesk') {
  const dialog = document.createElement('dialog');
  dialog.className = 'message-box';
  dialog.setAttribute('aria-labelledby', 'message-box-title');
  dialog.setAttribute('aria-describedby', 'message-box-text');
  const title = document.createElement('div');
  title.className = 'title-bar';
  title.id = 'message-box-title';
  title.textContent = caption;
  const message = document.createElement('p');
  message.id = 'message-box-text';
  message.textContent = text;
  const ok = document.createElement('button');
  ok.type = 'button';
  ok.textContent = 'OK';
  ok.addEventListener('click', () => dialog.close());
  dialog.append(title, message, ok);
  document.body.append(dialog);
  return new Promise((resolve) => {
    dialog.addEventListener('close', () => {
      dialog.remove();
      resolve();
    });
    dialog.showModal();
    ok.focus();
  });
}
