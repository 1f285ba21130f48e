// Paints a drawing list of the core on a canvas. Positions are twips; `scale` is device pixels
// per layout pixel (15 twips), so a zoomed window or a high-density screen paints sharp lines.
// Edges the core asks to snap go to whole layout pixels first, as on the desktop, and only
// then to device pixels, so neighbours that share an edge keep sharing it at any scale.
import { TWIPS_PER_PIXEL, canvasFont, cssColor as themeless, evenLineWidth, fontStretch, snappedBox, wholePixels } from './style.js';

/** @typedef {import('./core_types').Color} Color */
/** @typedef {import('./core_types').Drawing} Drawing */
/** @typedef {import('./core_types').Primitive} Primitive */
/**
 * Each primitive's painting, by its type.
 * @typedef {{ [T in Primitive['type']]: (p: Extract<Primitive, { type: T }>) => void }} Painters
 */

/**
 * @param {CanvasRenderingContext2D} ctx
 * @param {Drawing} drawing
 * @param {{ scale?: number, offsetX?: number, offsetY?: number, recolor?: (color: Color) => Color }} [placement]
 *   `recolor`: each colour as a theme shows it.
 */
export function paintDrawing(ctx, drawing, { scale = 1, offsetX = 0, offsetY = 0, recolor = (c) => c } = {}) {
  /** @type {(color: Color) => string} */
  const cssColor = (color) => themeless(recolor(color));
  /** @type {(pixels: number, offset: number) => number} */
  const device = (pixels, offset) => Math.round(pixels * scale) - offset;
  /** @type {(pixels: number) => number} */
  const x = (pixels) => device(pixels, offsetX);
  /** @type {(pixels: number) => number} */
  const y = (pixels) => device(pixels, offsetY);
  /** @type {(twips: number) => number} */
  const exactX = (twips) => (twips / TWIPS_PER_PIXEL) * scale - offsetX;
  /** @type {(twips: number) => number} */
  const exactY = (twips) => (twips / TWIPS_PER_PIXEL) * scale - offsetY;
  /** @type {(pixels: number) => number} */
  const thickness = (pixels) => evenLineWidth(pixels, scale);

  /**
   * An unsmoothed straight line in device coordinates, `t` device pixels thick.
   * @type {(X1: number, Y1: number, X2: number, Y2: number, t: number) => void}
   */
  const plainLine = (X1, Y1, X2, Y2, t) => {
    if (Y1 === Y2) {
      const top = Math.round(Y1 - t / 2);
      ctx.fillRect(Math.round(Math.min(X1, X2)), top, Math.round(Math.abs(X2 - X1)) + t, t);
    } else if (X1 === X2) {
      const left = Math.round(X1 - t / 2);
      ctx.fillRect(left, Math.round(Math.min(Y1, Y2)), t, Math.round(Math.abs(Y2 - Y1)) + t);
    } else {
      ctx.lineWidth = t;
      ctx.beginPath();
      ctx.moveTo(X1, Y1);
      ctx.lineTo(X2, Y2);
      ctx.stroke();
    }
  };

  /** @type {Painters} */
  const paint = {
    Fill(p) {
      ctx.fillStyle = cssColor(p.color);
      ctx.fillRect(0, 0, ctx.canvas.width, ctx.canvas.height);
    },
    GridLine(p) {
      const [x1, y1, x2, y2] = [p.x1, p.y1, p.x2, p.y2].map(wholePixels);
      const w = p.width ?? 1;
      const before = Math.floor(w / 2);
      ctx.fillStyle = ctx.strokeStyle = cssColor(p.color);
      if (x1 === x2 || y1 === y2) {
        // The pen covers its pixel and the ones after it, as an unsmoothed pen does, both
        // ends included; across, it is as thick as its width, wherever it falls.
        const [x0, y0] = [x(Math.min(x1, x2) - before), y(Math.min(y1, y2) - before)];
        /** @type {(from: number, to: number, device: (pixels: number) => number) => number} */
        const along = (from, to, device) => Math.max(1, device(to) - device(from));
        ctx.fillRect(x0, y0,
          x1 === x2 ? thickness(w) : along(Math.min(x1, x2) - before, Math.max(x1, x2) - before + w, x),
          y1 === y2 ? thickness(w) : along(Math.min(y1, y2) - before, Math.max(y1, y2) - before + w, y));
      } else {
        plainLine(x(x1 + 0.5), y(y1 + 0.5), x(x2 + 0.5), y(y2 + 0.5), thickness(w));
      }
    },
    SnappedBox(p) {
      const b = snappedBox(p.box);
      if (p.keepVisible && b.height < 2) {
        b.top += b.height - 2;
        b.height = 2;
      }
      if (b.width < 1) return;
      const [x0, y0] = [x(b.left), y(b.top)];
      const [x1, y1] = [Math.max(x0 + 1, x(b.left + b.width)), Math.max(y0 + 1, y(b.top + b.height))];
      if (p.fill) {
        ctx.fillStyle = cssColor(p.fill);
        ctx.fillRect(x0, y0, x1 - x0, y1 - y0);
      }
      if (!p.outline) return;
      // Inside the box's edges.
      const t = thickness(1);
      ctx.fillStyle = cssColor(p.outline);
      ctx.fillRect(x0, y0, x1 - x0, t);
      ctx.fillRect(x0, y1 - t, x1 - x0, t);
      ctx.fillRect(x0, y0, t, y1 - y0);
      ctx.fillRect(x1 - t, y0, t, y1 - y0);
    },
    PlainLine(p) {
      ctx.fillStyle = ctx.strokeStyle = cssColor(p.color);
      const t = thickness(p.width ?? 1);
      if (!p.style) {
        plainLine(exactX(p.from.x), exactY(p.from.y), exactX(p.to.x), exactY(p.to.y), t);
        return;
      }
      ctx.save();
      ctx.setLineDash(dashes(p.style, t));
      ctx.lineWidth = t;
      ctx.beginPath();
      ctx.moveTo(exactX(p.from.x), exactY(p.from.y));
      ctx.lineTo(exactX(p.to.x), exactY(p.to.y));
      ctx.stroke();
      ctx.restore();
    },
    PlainBox(p) {
      const [x0, y0] = [exactX(p.left), exactY(p.top)];
      const [x1, y1] = [exactX(p.left + p.width), exactY(p.top + p.height)];
      ctx.fillStyle = cssColor(p.fill);
      ctx.fillRect(Math.round(x0), Math.round(y0), Math.round(x1) - Math.round(x0), Math.round(y1) - Math.round(y0));
      // The outline straddles the edges.
      const t = thickness(1);
      ctx.fillStyle = cssColor(p.outline);
      plainLine(x0, y0, x1, y0, t);
      plainLine(x0, y1, x1, y1, t);
      plainLine(x0, y0, x0, y1, t);
      plainLine(x1, y0, x1, y1, t);
    },
    Dot(p) {
      ctx.beginPath();
      ctx.arc(exactX(p.x), exactY(p.y), (p.radius / TWIPS_PER_PIXEL) * scale, 0, 2 * Math.PI);
      ctx.fillStyle = cssColor(p.fill);
      ctx.fill();
      ctx.lineWidth = scale;
      ctx.strokeStyle = cssColor(p.outline);
      ctx.stroke();
    },
    Curve(p) {
      if (p.points.length === 0) return;
      ctx.beginPath();
      p.points.forEach((point, i) => (i === 0 ? ctx.moveTo : ctx.lineTo).call(ctx, exactX(point.x), exactY(point.y)));
      ctx.lineWidth = (p.width ?? 1) * scale;
      ctx.lineJoin = 'round';
      ctx.strokeStyle = cssColor(p.color);
      ctx.setLineDash(p.style ? dashes(p.style, ctx.lineWidth) : []);
      ctx.stroke();
      ctx.setLineDash([]);
    },
    Text(p) {
      const [x0, y0] = [exactX(p.left), exactY(p.top)];
      const [x1, y1] = [exactX(p.left + p.width), exactY(p.top + p.height)];
      if (p.background) {
        ctx.fillStyle = cssColor(p.background);
        ctx.fillRect(x0, y0, x1 - x0, y1 - y0);
      }
      ctx.font = canvasFont(p.font, scale);
      ctx.fontStretch = fontStretch(p.font);
      ctx.textBaseline = 'alphabetic';
      ctx.textAlign = p.alignment === 'Right' ? 'right' : p.alignment === 'Center' ? 'center' : 'left';
      const metrics = ctx.measureText(p.text);
      const ascent = metrics.fontBoundingBoxAscent;
      const lineHeight = ascent + metrics.fontBoundingBoxDescent;
      const top = p.vertical === 'Middle' ? y0 + (y1 - y0 - lineHeight) / 2 : y0;
      const left = p.alignment === 'Right' ? x1 : p.alignment === 'Center' ? (x0 + x1) / 2 : x0;
      ctx.fillStyle = cssColor(p.color);
      ctx.fillText(p.text, left, top + ascent);
    },
  };

  ctx.save();
  ctx.imageSmoothingEnabled = false;
  // Each primitive to its own painter; a type this page does not know (a newer core's) is skipped.
  for (const primitive of drawing) /** @type {((p: Primitive) => void) | undefined} */ (paint[primitive.type])?.(primitive);
  ctx.restore();
}

// The core's dash and dot: 4 line widths or 1, each followed by a gap of 2.
/** @param {import('./core_types').LineStyle} style @param {number} width */
function dashes(style, width) {
  return [style === 'Dashed' ? 4 * width : width, 2 * width];
}

// What a reader of the screen gets instead of the picture: its texts, in painting order.
/** @param {Drawing} drawing */
export function drawingText(drawing) {
  return drawing.filter((p) => p.type === 'Text').map((p) => p.text).join(' ');
}
