inherited frmDadosEmissaoNF: TfrmDadosEmissaoNF
  Left = 260
  Top = 160
  Width = 560
  Height = 400
  BorderIcons = [biSystemMenu]
  Caption = 'Dados para Emissão de NF'
  Position = poMainFormCenter
  OnClose = FormClose
  inherited panMenu: TPanel
    inherited lblCodTela: TLabel
      Caption = 'GER99502'
    end
  end
end
