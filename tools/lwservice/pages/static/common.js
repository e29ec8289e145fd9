// Shared helpers of the service's pages. Text always goes in through
// textContent, never as markup.
'use strict';

function $(id) { return document.getElementById(id); }

function el(tag, attributes, children) {
  const node = document.createElement(tag);
  for (const [key, value] of Object.entries(attributes || {})) {
    if (key === 'text') node.textContent = value;
    else if (key === 'className') node.className = value;
    else node.setAttribute(key, value);
  }
  for (const child of children || []) node.appendChild(child);
  return node;
}

function showMessage(id, text, kind) {
  const node = $(id);
  node.textContent = text || '';
  node.className = 'message' + (kind ? ' ' + kind : '');
}

async function api(path, options) {
  const init = Object.assign({ credentials: 'same-origin' }, options || {});
  if (init.json !== undefined) {
    init.method = init.method || 'POST';
    init.headers = Object.assign({ 'Content-Type': 'application/json' }, init.headers || {});
    init.body = JSON.stringify(init.json);
    delete init.json;
  }
  try {
    const response = await fetch(path, init);
    const body = await response.json().catch(() => ({}));
    if (typeof body.status_code !== 'number')
      body.status_code = response.ok ? 0 : response.status;
    return body;
  } catch (error) {
    return { status_code: -1, message: 'The service cannot be reached.' };
  }
}

function formatTime(seconds) {
  if (!seconds) return '';
  const d = new Date(seconds * 1000);
  const pad = n => String(n).padStart(2, '0');
  return `${d.getFullYear()}-${pad(d.getMonth() + 1)}-${pad(d.getDate())} ${pad(d.getHours())}:${pad(d.getMinutes())}:${pad(d.getSeconds())}`;
}

function formatSize(bytes) {
  if (bytes >= 1048576) return (bytes / 1048576).toFixed(1) + ' MB';
  if (bytes >= 1024) return (bytes / 1024).toFixed(1) + ' KB';
  return bytes + ' B';
}

// The editor's web views offer a web channel object "gsBridge". The editor
// may inject qwebchannel.js itself; otherwise it is loaded from the web
// engine's resources. Calls back with the bridge, or null in a browser.
function connectBridge(callback) {
  if (window.gsBridge) { window.hasBridge = true; callback(window.gsBridge); return; }
  if (typeof qt === 'undefined' || !qt.webChannelTransport) { window.hasBridge = false; callback(null); return; }
  const open = () => new QWebChannel(qt.webChannelTransport, channel => {
    window.gsBridge = channel.objects.gsBridge || null;
    window.hasBridge = !!window.gsBridge;
    callback(window.gsBridge);
  });
  if (typeof QWebChannel === 'function') { open(); return; }
  const script = document.createElement('script');
  script.src = 'qrc:///qtwebchannel/qwebchannel.js';
  script.onload = open;
  script.onerror = () => { window.hasBridge = false; callback(null); };
  document.head.appendChild(script);
}
