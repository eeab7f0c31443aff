// Small helpers over the page's document.

export function byId<T extends HTMLElement = HTMLElement>(id: string): T {
  const element = document.getElementById(id);
  if (!element) throw new Error(`the page has no #${id}`);
  return element as T;
}

export function element<K extends keyof HTMLElementTagNameMap>(
  tag: K,
  properties: Partial<Record<string, string>> = {},
  text?: string,
): HTMLElementTagNameMap[K] {
  const made = document.createElement(tag);
  for (const [name, value] of Object.entries(properties)) if (value !== undefined) made.setAttribute(name, value);
  if (text !== undefined) made.textContent = text;
  return made;
}

export function setText(target: HTMLElement, text: string): void {
  if (target.textContent !== text) target.textContent = text;
}

export function setPressed(button: HTMLElement, pressed: boolean): void {
  button.setAttribute('aria-pressed', String(pressed));
}

// An SVG document of the module's drawing as the children of an inline <svg>: its prolog and
// outer element dropped, and its ids given `prefix`, since every diagram names its pictures
// alike and ids must be unique in a page.
export function svgBody(documentText: string, prefix: string): string {
  const open = documentText.indexOf('<svg');
  const start = documentText.indexOf('>', open) + 1;
  const end = documentText.lastIndexOf('</svg>');
  if (open < 0 || end < start) return '';
  return documentText
    .slice(start, end)
    .replaceAll(' id="', ` id="${prefix}`)
    .replaceAll('href="#', `href="#${prefix}`)
    .replaceAll('url(#', `url(#${prefix}`);
}

// The width and height an SVG document states, for the inline element's viewBox.
export function svgSize(documentText: string): [number, number] {
  const width = /<svg[^>]*\swidth="([\d.]+)"/.exec(documentText);
  const height = /<svg[^>]*\sheight="([\d.]+)"/.exec(documentText);
  return [Number(width?.[1] ?? 100), Number(height?.[1] ?? 130)];
}

export const SVG_NS = 'http://www.w3.org/2000/svg';

// An inline <svg> showing a whole document of the module's drawing.
export function inlineSvg(documentText: string, prefix: string, label: string): SVGSVGElement {
  const svg = document.createElementNS(SVG_NS, 'svg');
  const [width, height] = svgSize(documentText);
  svg.setAttribute('viewBox', `0 0 ${width} ${height}`);
  svg.setAttribute('width', String(width));
  svg.setAttribute('height', String(height));
  svg.setAttribute('role', 'img');
  svg.setAttribute('aria-label', label);
  svg.innerHTML = svgBody(documentText, prefix);
  return svg;
}

// Offers `content` as a file the browser saves.
export function download(name: string, content: Blob): void {
  const url = URL.createObjectURL(content);
  const link = element('a', { href: url, download: name });
  document.body.append(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(url), 10000);
}
